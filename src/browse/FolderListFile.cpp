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

}  // namespace

TFolderListFile::TFolderListFile(const std::string& programFolder, std::string userFolder)
    : besideProgram_(programFolder + "\\" + kFolderListFileName),
      userFolder_(std::move(userFolder)),
      usersOwn_(userFolder_.empty() ? std::string() : userFolder_ + "\\" + kFolderListFileName),
      path_(besideProgram_) {}

void TFolderListFile::Locate() {
  path_ = !usersOwn_.empty() && platform::FileExists(usersOwn_) ? usersOwn_ : besideProgram_;
}

std::optional<std::vector<std::string>> TFolderListFile::Read() const {
  if (!platform::FileExists(path_)) return std::nullopt;
  const std::vector<std::uint8_t> file = platform::ReadWholeFile(path_);
  return ParseFolderList(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

void TFolderListFile::Write(const std::vector<std::string>& entries) {
  const std::string text = FolderListText(entries);
  try {
    Replace(path_, text);
  } catch (const platform::EFCreateError&) {
    if (path_ != besideProgram_ || !WroteUsersOwn(text)) throw;
    path_ = usersOwn_;
  }
}

bool TFolderListFile::WroteUsersOwn(const std::string& text) {
  if (usersOwn_.empty()) return false;
  ::CreateDirectoryA(userFolder_.c_str(), nullptr);  // a folder that cannot be made fails the file's creation
  try {
    Replace(usersOwn_, text);
    return true;
  } catch (const platform::EFCreateError&) {
    return false;
  }
}

}  // namespace browse
