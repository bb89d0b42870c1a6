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
