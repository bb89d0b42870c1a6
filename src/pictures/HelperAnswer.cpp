#include "pictures/HelperAnswer.h"

#include <algorithm>
#include <atomic>
#include <string>

#include "pictures/PictureErrors.h"
#include "platform/Format.h"

namespace pictures {

platform::FileHandle NewAnswerFile() {
  wchar_t folder[MAX_PATH + 1] = {};
  if (!::GetTempPathW(MAX_PATH + 1, folder)) return {};
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  static std::atomic<unsigned> made{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring path = folder + std::wstring(L"vnt") + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(made++) + L".tmp";
    platform::FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inheritable, CREATE_NEW,
                                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (file || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return {};
}

bool SizeAnswer(HANDLE file, std::uint64_t bytes) {
  LARGE_INTEGER size;
  size.QuadPart = static_cast<LONGLONG>(bytes);
  return ::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

bool WriteAnswerAt(HANDLE file, std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD written = 0;
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!::WriteFile(file, bytes.data(), piece, &written, &at) || written == 0) return false;
    bytes = bytes.subspan(written);
    offset += written;
  }
  return true;
}

MappedAnswer MapAnswerForReading(HANDLE file) {
  LARGE_INTEGER size = {};
  if (!::GetFileSizeEx(file, &size) || size.QuadPart <= 0 ||
      static_cast<std::uint64_t>(size.QuadPart) > kDecodedHeaderBytes + kMaxDecodedPixels * 4)
    return {};
  const platform::KernelHandle mapping(::CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
  MappedAnswer mapped;
  if (mapping) mapped.view.Reset(::MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0));
  if (mapped.view)
    mapped.bytes = {static_cast<const std::uint8_t*>(mapped.view.Get()), static_cast<std::size_t>(size.QuadPart)};
  return mapped;
}

HelperAnswer::HelperAnswer(platform::FileHandle file, const std::string& picturePath)
    : file_(std::move(file)), mapped_(MapAnswerForReading(file_.Get())) {
  const std::optional<DecodedPicture> picture = ParseDecodedPicture(mapped_.bytes);
  if (!picture) throw EInvalidGraphic(platform::Format("Cannot decode %s", picturePath.c_str()));
  picture_ = *picture;
}

}  // namespace pictures
