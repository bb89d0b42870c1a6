#include "support/ScratchFolder.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "platform/Handles.h"
#include "platform/WideText.h"

namespace testing_support {
namespace {

// Wide names throughout: an 8-bit search has no room for long names beyond ASCII.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  if (const platform::FindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &entry)); search) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        ::DeleteFileW(path.c_str());
    } while (::FindNextFileW(search.Get(), &entry));
  }
  ::RemoveDirectoryW(folder.c_str());
}

platform::FileHandle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
  return platform::FileHandle(::CreateFileW(platform::ToWide(path).c_str(), access, FILE_SHARE_READ, nullptr,
                                            disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static std::atomic<unsigned> counter{0};
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  std::string base = temp;
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (;;) {
    path_ = base + "\\vantoria-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(counter++) + "-" + std::to_string(::GetTickCount64());
    if (::CreateDirectoryA(path_.c_str(), nullptr)) return;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
  }
}

ScratchFolder::~ScratchFolder() { RemoveTree(platform::ToWide(path_)); }

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  const platform::FileHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
  DWORD written = 0;
  if (!file || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw std::runtime_error("cannot write " + path);
}

std::string ReadFileBytes(const std::string& path) {
  const platform::FileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
  LARGE_INTEGER size = {};
  if (!file || !::GetFileSizeEx(file.Get(), &size)) throw std::runtime_error("cannot read " + path);
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    throw std::runtime_error("cannot read " + path);
  bytes.resize(read);
  return bytes;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace testing_support
