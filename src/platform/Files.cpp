#include "platform/Files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace platform {
namespace {

// How long a file held by another program is waited for, and how often it is tried meanwhile.
constexpr ULONGLONG kHeldFileWaitMs = 2000;
constexpr DWORD kHeldFileRetryMs = 50;

enum class TAttempt { done, held, refused };

bool IsSharingError(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// A replacement refused with "access denied" may be one of a file that is open elsewhere (Wine
// refuses to rename over any open file, Windows over one opened without delete sharing): the file
// is held when it cannot even be opened for deletion with every sharing allowed.
bool HeldByAnotherProgram(const std::string& path) {
  FileHandle probe(::CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return !probe && IsSharingError(::GetLastError());
}

// Runs `attempt` again while what it works on is held by another program, for a bounded time.
template <typename Attempt>
TAttempt RetriedWhileHeld(Attempt attempt) {
  const ULONGLONG deadline = ::GetTickCount64() + kHeldFileWaitMs;
  for (;;) {
    const TAttempt outcome = attempt();
    if (outcome != TAttempt::held || ::GetTickCount64() >= deadline) return outcome;
    ::Sleep(kHeldFileRetryMs);
  }
}

// Files are written a quarter of a megabyte at a time: one write of tens of megabytes now and then
// waits while the system writes out what it holds (seen under Wine: 72 MB in one write took 0.02
// to 0.25 s, in these pieces 0.02 s every time).
constexpr size_t kWriteChunk = 256 * 1024;

void WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kWriteChunk));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
      throw EWriteError("Stream write error");
    bytes = bytes.subspan(written);
  }
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileReader::FileReader(const std::string& path) {
  const TAttempt opened = RetriedWhileHeld([&] {
    file_.Reset(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file_) return TAttempt::done;
    return IsSharingError(::GetLastError()) ? TAttempt::held : TAttempt::refused;
  });
  if (opened != TAttempt::done) throw EFOpenError(Format("Cannot open file %s", path.c_str()));
}

std::size_t FileReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const {
  OVERLAPPED at = {};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD read = 0;
  const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
  if (!::ReadFile(file_.Get(), bytes.data(), chunk, &read, &at) && ::GetLastError() != ERROR_HANDLE_EOF)
    throw EReadError("Stream read error");
  return read;
}

std::uint64_t FileReader::Size() const {
  LARGE_INTEGER size = {};
  if (!::GetFileSizeEx(file_.Get(), &size)) throw EReadError("Stream read error");
  return static_cast<std::uint64_t>(size.QuadPart);
}

void MakeFolder(const std::string& path) { ::CreateDirectoryA(path.c_str(), nullptr); }

std::vector<std::uint8_t> FileReader::ReadAll() const {
  std::vector<std::uint8_t> bytes(static_cast<size_t>(Size()));
  size_t done = 0;
  while (done < bytes.size()) {
    const size_t read = ReadAt(done, std::span(bytes).subspan(done));
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) { return FileReader(path).ReadAll(); }

ReplacementFile::ReplacementFile(const std::string& path, Durability durability)
    : path_(path), replacement_(path + ".new"), durability_(durability) {
  // A read-only file is kept, as when it is opened for writing (Wine would replace it).
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    throw EFCreateError(Format("Cannot create file %s", path.c_str()));
  file_.Reset(::CreateFileA(replacement_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
  if (!file_) throw EFCreateError(Format("Cannot create file %s", path.c_str()));
}

ReplacementFile::~ReplacementFile() {
  if (committed_) return;
  file_.Reset();
  ::DeleteFileA(replacement_.c_str());
}

void ReplacementFile::Reserve(std::uint64_t size) {
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  if (!::SetFilePointerEx(file_.Get(), end, nullptr, FILE_BEGIN) || !::SetEndOfFile(file_.Get()))
    throw EWriteError("Stream write error");
}

void ReplacementFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!::SetFilePointerEx(file_.Get(), position, nullptr, FILE_BEGIN)) throw EWriteError("Stream write error");
  Write(bytes);
}

void ReplacementFile::Write(std::span<const std::uint8_t> bytes) { WriteAll(file_.Get(), bytes); }

void ReplacementFile::Commit() {
  if (durability_ == Durability::kFlushed && !::FlushFileBuffers(file_.Get())) throw EWriteError("Stream write error");
  file_.Reset();
  const TAttempt replaced = RetriedWhileHeld([&] {
    if (::MoveFileExA(replacement_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return TAttempt::done;
    const DWORD error = ::GetLastError();
    return IsSharingError(error) || (error == ERROR_ACCESS_DENIED && HeldByAnotherProgram(path_)) ? TAttempt::held
                                                                                                   : TAttempt::refused;
  });
  if (replaced == TAttempt::held) throw EFileInUse(Format("Cannot create file %s", path_.c_str()));
  if (replaced == TAttempt::refused) throw EFCreateError(Format("Cannot create file %s", path_.c_str()));
  committed_ = true;
}

void ReplaceFileContent(const std::string& path, std::span<const std::uint8_t> bytes) {
  ReplacementFile file(path);
  file.Write(bytes);
  file.Commit();
}

}  // namespace platform
