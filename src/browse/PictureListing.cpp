#include "browse/PictureListing.h"

#include <windows.h>

#include <algorithm>

#include "browse/FileListPaths.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Paths.h"
#include "platform/WideText.h"

namespace browse {
namespace {

// A full path, normalised as the system does it: "." and ".." resolved, no trailing backslash
// but a root's.
std::string FullPath(const std::string& path) {
  wchar_t buffer[MAX_PATH * 2] = {};
  const DWORD length = ::GetFullPathNameW(platform::ToWide(path).c_str(), MAX_PATH * 2, buffer, nullptr);
  if (length == 0 || length >= MAX_PATH * 2) return path;
  std::string full = platform::FromWide(std::wstring(buffer, length));
  if (full.size() > 3 && full.back() == '\\') full.pop_back();
  return full;
}

// What the system asks of a folder before it lets it become a current directory: a folder that
// can be opened for traversal. Opened and closed at once, sharing everything: the user's folders
// are never held.
bool CanEnter(const std::string& folder) {
  const platform::FileHandle opened(::CreateFileW(platform::ToWide(folder).c_str(), FILE_TRAVERSE | SYNCHRONIZE,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information = {};
  return opened && ::GetFileInformationByHandle(opened.Get(), &information) &&
         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Names are read wide and converted once: an 8-bit buffer of MAX_PATH bytes cuts names beyond
// ASCII, which take up to three bytes a character.
std::string CurrentDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length < buffer.size()) return platform::FromWide(std::wstring(buffer.data(), length));
    buffer.resize(length);
  }
}

}  // namespace

// As a sorted list box orders its items (CompareString in the user's locale, ignoring case): each
// name's sort key is made once and the keys compared as bytes, which orders as CompareString does.
void SortAsTheListSorts(std::vector<std::string>& names) {
  struct Keyed {
    std::string key;
    std::string name;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) {
    const std::wstring wide = platform::ToWide(name);
    const int length = static_cast<int>(wide.size());
    std::string key(static_cast<std::size_t>(std::max(0, ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY |
                                                                           NORM_IGNORECASE, wide.c_str(), length,
                                                                           nullptr, 0))),
                    '\0');
    ::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, wide.c_str(), length,
                   reinterpret_cast<wchar_t*>(key.data()), static_cast<int>(key.size()));
    keyed.push_back({std::move(key), std::move(name)});
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].name);
}


std::string PictureMask(const std::vector<std::string>& moreKinds) {
  std::string mask = kPictureMask;
  for (const std::string& extension : moreKinds) mask += "*." + extension + ";";
  return mask;
}

// The folder is read once and each name matched against the patterns here: one search per pattern
// costs a whole search of the folder each. On Windows "*.tif" also matches "a.tiff" by its short
// name "A~1.TIF", as "*.jpg" matches a ".jpeg".
std::optional<FolderEntries> ReadFolder(const std::string& folder, const std::string& mask) {
  WIN32_FIND_DATAW entry;
  platform::FindHandle search(::FindFirstFileExW(platform::ToWide(JoinPath(folder, "*")).c_str(),
                                                 FindExInfoStandard, &entry, FindExSearchNameMatch, nullptr,
                                                 FIND_FIRST_EX_LARGE_FETCH));
  if (!search) return ::GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional(FolderEntries{}) : std::nullopt;
  std::vector<std::string> patterns = SplitMask(mask);
  std::erase(patterns, "");
  FolderEntries entries;
  do {
    if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    std::string name = platform::FromWide(entry.cFileName);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && name != "." && name != "..")
        entries.subfolders.push_back(std::move(name));
      continue;
    }
    const std::string alias = platform::FromWide(entry.cAlternateFileName);
    if (std::ranges::any_of(patterns, [&](const std::string& pattern) {
          return MatchesPattern(name, pattern) || (!alias.empty() && MatchesPattern(alias, pattern));
        })) {
      entries.pictures.push_back(std::move(name));
      entries.picturesWritten.push_back(std::uint64_t{entry.ftLastWriteTime.dwHighDateTime} << 32 |
                                        entry.ftLastWriteTime.dwLowDateTime);
    }
  } while (::FindNextFileW(search.Get(), &entry));
  return entries;
}

std::optional<EntryPlace> PlaceOfEntry(const std::string& text) {
  if (!IsFullPath(text)) return std::nullopt;
  const AppliedPath parts = SplitAppliedPath(text, "");
  if (HasWildcard(parts.last)) return EntryPlace{FullPath(parts.folder), parts.last};
  if (!parts.last.empty() && platform::FileExists(text)) return EntryPlace{FullPath(parts.folder), {}};
  return EntryPlace{FullPath(text), {}};
}

TPictureListing::TPictureListing() : directory_(CurrentDirectory()) {}

int TPictureListing::IndexOfName(const std::string& name) const {
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (platform::SamePath(names_[i], name)) return static_cast<int>(i);
  return -1;
}

// Relative texts are taken from within the listed folder: the program never makes a folder its
// current directory, which would hold it open (it could not be renamed, deleted or ejected).
TPictureListing::Target TPictureListing::Resolve(const std::string& text) const {
  const AppliedPath parts = SplitAppliedPath(text, directory_.substr(0, 2));
  const std::string lastPath =
      ResolvedAgainst(directory_, parts.folder.empty() ? parts.last : JoinPath(parts.folder, parts.last));
  const bool wildcard = HasWildcard(parts.last);
  const bool file = !wildcard && !parts.last.empty() && platform::FileExists(lastPath);
  const bool lastIsFolder = !(wildcard || file || parts.last.empty());
  const std::string folder = FullPath(lastIsFolder ? lastPath : ResolvedAgainst(directory_, parts.folder));
  Target target;
  target.otherFolder = !platform::SamePath(folder, directory_);
  target.directory = target.otherFolder && CanEnter(folder) ? folder : directory_;
  if (wildcard) target.pattern = parts.last;
  if (file) target.file = parts.last;
  return target;
}

TPictureListing::Applied TPictureListing::Apply(const std::string& text, const std::string& selectedFile) {
  Applied applied;
  if (text.empty() || platform::SamePath(text, selectedFile)) return applied;
  const Target target = Resolve(text);
  const auto listAgain = [&] {
    ListAgain();
    applied.listedAgain = true;
  };
  if (target.otherFolder) {
    directory_ = target.directory;
    listAgain();
  }
  if (!target.pattern.empty()) {
    mask_ = target.pattern;
    listAgain();
  } else if (!target.file.empty()) {
    int index = IndexOfName(target.file);
    if (index < 0) {
      mask_ = target.file;
      listAgain();
      index = IndexOfName(target.file);
    }
    applied.select = index;
  }
  return applied;
}

bool TPictureListing::SetMorePictureKinds(const std::vector<std::string>& extensions) {
  std::string mask = PictureMask(extensions);
  if (mask == pictureMask_) return false;
  pictureMask_ = std::move(mask);
  if (mask_ != kPictureMask) return false;
  ListAgain();
  return true;
}

// A folder that cannot be read lists nothing.
void TPictureListing::ListAgain() {
  std::optional<FolderEntries> entries = ReadFolder(directory_, ListedMask());
  names_ = entries ? std::move(entries->pictures) : std::vector<std::string>();
  SortAsTheListSorts(names_);
}

}  // namespace browse
