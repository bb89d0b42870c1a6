#include "browse/FileListBox.h"

#include <unordered_set>
#include <vector>

#include "browse/FileListPaths.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/WideText.h"

namespace browse {
namespace {

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

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

// Stops the list from drawing while it is refilled, and shows the wait cursor once it is long.
class RefillScope {
 public:
  explicit RefillScope(HWND list) : list_(list) { ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }
  ~RefillScope() {
    if (waiting_) ::SetCursor(previousCursor_);
    ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
  }
  void Added(int position) {
    if (position == 100 && !waiting_) {
      previousCursor_ = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
      waiting_ = true;
    }
  }

 private:
  HWND list_;
  bool waiting_ = false;
  HCURSOR previousCursor_ = nullptr;
};

}  // namespace

TFileListBox::TFileListBox(std::string name, ui::TWinControl& parent, const ui::DesignRect& bounds)
    : TListBox(std::move(name), parent, bounds, true, ui::DesignLength{15}, true), directory_(CurrentDirectory()) {}

std::string TFileListBox::FileName() const {
  const int index = ItemIndex();
  return index < 0 ? std::string() : JoinPath(directory_, Item(index));
}

// Relative texts are taken from within the list's own folder: the program never makes a folder
// its current directory, which would hold it open (it could not be renamed, deleted or ejected).
void TFileListBox::ApplyFilePath(const std::string& text) {
  if (text.empty() || SameTextIgnoringCase(text, FileName())) return;
  const AppliedPath parts = SplitAppliedPath(text, directory_.substr(0, 2));
  const std::string lastPath =
      ResolvedAgainst(directory_, parts.folder.empty() ? parts.last : JoinPath(parts.folder, parts.last));
  const bool wildcard = HasWildcard(parts.last);
  const bool file = !wildcard && !parts.last.empty() && platform::FileExists(lastPath);

  const bool lastIsFolder = !(wildcard || file || parts.last.empty());
  const std::string target = FullPath(lastIsFolder ? lastPath : ResolvedAgainst(directory_, parts.folder));
  if (!SameTextIgnoringCase(target, directory_)) {
    if (CanEnter(target)) directory_ = target;
    Refill();
  }

  if (wildcard) {
    mask_ = parts.last;
    Refill();
  } else if (file) {
    int index = IndexOfName(parts.last);
    if (index < 0) {
      mask_ = parts.last;
      Refill();
      index = IndexOfName(parts.last);
    }
    SetItemIndex(index);
  }
}

void TFileListBox::SetMorePictureKinds(const std::vector<std::string>& extensions) {
  std::string patterns;
  for (const std::string& extension : extensions) patterns += "*." + extension + ";";
  if (patterns == morePatterns_) return;
  morePatterns_ = std::move(patterns);
  if (mask_ == kPictureMask) Refill();
}

// A file that two patterns match is listed once: on Windows "*.tif" also matches "a.tiff" by its
// short name "A~1.TIF", as "*.jpg" matches a ".jpeg".
void TFileListBox::Refill() {
  RefillScope scope(Handle());
  Clear();
  std::unordered_set<std::wstring> listed;
  for (const std::string& pattern : SplitMask(mask_ == kPictureMask ? mask_ + morePatterns_ : mask_)) {
    if (pattern.empty()) continue;
    WIN32_FIND_DATAW entry;
    platform::FindHandle search(::FindFirstFileW(platform::ToWide(JoinPath(directory_, pattern)).c_str(), &entry));
    if (!search) continue;
    do {
      if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY) ||
          !listed.insert(entry.cFileName).second)
        continue;
      scope.Added(Add(platform::FromWide(entry.cFileName)));
    } while (::FindNextFileW(search.Get(), &entry));
  }
}

int TFileListBox::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameTextIgnoringCase(Item(i), name)) return i;
  return -1;
}

}  // namespace browse
