// Reading and writing whole files through Win32, with the program's error texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Handles.h"

namespace platform {

// A file is there; a folder of that name does not count.
bool FileExists(const std::string& path);
// Makes the folder unless it is there: the user's own folder, made again when it was deleted. A
// folder that cannot be made shows when a file in it cannot be created.
void MakeFolder(const std::string& path);

// Reads the whole file while other programs may read it but not write it.
// Fails with "Cannot open file %s" or "Stream read error". A file that another program holds for a
// moment (a scanner, an indexer, a backup) is waited for, about two seconds at most; so is the
// file that a ReplacementFile replaces.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// A file opened for reading at offsets, as ReadWholeFile opens it: for a header read a few bytes
// at a time, skipping what it does not need.
class FileReader {
 public:
  explicit FileReader(const std::string& path);
  std::uint64_t Size() const;
  // Up to `bytes.size()` bytes from `offset`: fewer at the file's end. Fails with "Stream read
  // error".
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const;
  // The whole file, as long as it is now.
  std::vector<std::uint8_t> ReadAll() const;

 private:
  FileHandle file_;
};

// Whether a replaced file must survive a power cut: the user's own data must; what the program
// makes again from it at its next run (the wallpaper's bitmap) need not pay for that.
enum class Durability { kFlushed, kRemadeWhenLost };

// The new content of a file, written to a file beside it that takes the file's place only on
// Commit, so a failed or interrupted save leaves the old content. Errors name the file's path:
// "Cannot create file %s" (also for a read-only file; EFileInUse when another program still
// holds the file) and "Stream write error".
class ReplacementFile {
 public:
  explicit ReplacementFile(const std::string& path, Durability durability = Durability::kFlushed);
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  // Removes the new content unless it was committed.
  ~ReplacementFile();

  // Sizes the new content at once, for writes at their offsets.
  void Reserve(std::uint64_t size);
  void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
  void Write(std::span<const std::uint8_t> bytes);
  // Flushed, the new content reaches the disk before it takes the old one's place, so that a
  // power cut cannot leave a file of zeros where the old content was.
  void Commit();

 private:
  std::string path_;
  std::string replacement_;
  Durability durability_;
  FileHandle file_;
  bool committed_ = false;
};

void ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace platform
