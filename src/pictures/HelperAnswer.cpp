#include "pictures/HelperAnswer.h"

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

platform::MappedView MapAnswerForWriting(HANDLE file, std::uint64_t bytes) {
  LARGE_INTEGER size;
  size.QuadPart = static_cast<LONGLONG>(bytes);
  if (!::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) return {};
  const platform::KernelHandle mapping(::CreateFileMappingW(file, nullptr, PAGE_READWRITE, 0, 0, nullptr));
  if (!mapping) return {};
  return platform::MappedView(::MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, 0));
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
