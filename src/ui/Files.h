// Reading and writing whole files through Win32, with the program's error texts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

// Reads the whole file while other programs may read it but not write it.
// Fails with "Cannot open file %s" or "Stream read error".
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Replaces the file's content as a whole: the bytes go to a new file beside it, which takes the
// file's place only once it was written completely, so a failed save leaves the old content.
// Fails with "Cannot create file %s" (the file's path; also for a read-only file) or
// "Stream write error".
void ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

// A file created empty (replacing any file there) that no other program may open meanwhile.
class OutputFile {
 public:
  // Fails with "Cannot create file %s".
  explicit OutputFile(const std::string& path);
  // Fails with "Stream write error".
  void Write(std::span<const std::uint8_t> bytes);

 private:
  FileHandle file_;
};

}  // namespace ui
