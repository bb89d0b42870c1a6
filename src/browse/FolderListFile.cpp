#include "browse/FolderListFile.h"

#include <windows.h>

#include <cstdint>
#include <span>

#include "browse/FolderListText.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"

namespace browse {
namespace {

void Replace(const std::string& path, const std::string& text) {
  platform::ReplaceFileContent(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// When the file was last written; nothing when there is no such file.
std::optional<ULONGLONG> LastWritten(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

TFolderListFile::TFolderListFile(const std::string& programFolder, std::string userFolder)
    : besideProgram_(programFolder + "\\" + kFolderListFileName),
      userFolder_(std::move(userFolder)),
      usersOwn_(userFolder_.empty() ? std::string() : userFolder_ + "\\" + kFolderListFileName),
      path_(besideProgram_) {}

void TFolderListFile::Locate() {
  const std::optional<ULONGLONG> usersOwnWritten = usersOwn_.empty() ? std::nullopt : LastWritten(usersOwn_);
  const std::optional<ULONGLONG> besideProgramWritten = LastWritten(besideProgram_);
  path_ = usersOwnWritten && (!besideProgramWritten || *usersOwnWritten >= *besideProgramWritten) ? usersOwn_
                                                                                                  : besideProgram_;
}

std::optional<std::vector<std::string>> TFolderListFile::Read() {
  unreadFileKept_ = false;
  if (!platform::FileExists(path_)) return std::nullopt;
  unreadFileKept_ = true;
  const std::vector<std::uint8_t> file = platform::ReadWholeFile(path_);
  unreadFileKept_ = false;
  return ParseFolderList(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

// Only what was read can be written back whole: a list that could not be read is not replaced
// by what the window shows, unless the user has changed that since.
void TFolderListFile::Write(const std::vector<std::string>& entries) {
  if (unreadFileKept_) return;
  const std::string text = FolderListText(entries);
  try {
    WriteTo(path_, text);
  } catch (const platform::EFCreateError&) {
    if (path_ != besideProgram_ || !WroteUsersOwn(text)) throw;
    path_ = usersOwn_;
  }
}

void TFolderListFile::WriteTo(const std::string& path, const std::string& text) {
  if (path == usersOwn_) platform::MakeFolder(userFolder_);
  Replace(path, text);
}

bool TFolderListFile::WroteUsersOwn(const std::string& text) {
  if (usersOwn_.empty()) return false;
  try {
    WriteTo(usersOwn_, text);
    return true;
  } catch (const platform::EFCreateError&) {
    return false;
  }
}

}  // namespace browse
