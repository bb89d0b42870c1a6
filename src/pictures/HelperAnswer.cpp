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

platform::MappedView MapAnswerFile(HANDLE file, std::uint64_t bytes, bool writing) {
  if (writing) {
    LARGE_INTEGER size;
    size.QuadPart = static_cast<LONGLONG>(bytes);
    if (!::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) || !::SetEndOfFile(file)) return {};
  }
  const platform::KernelHandle mapping(
      ::CreateFileMappingW(file, nullptr, writing ? PAGE_READWRITE : PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return {};
  return platform::MappedView(::MapViewOfFile(mapping.Get(), writing ? FILE_MAP_WRITE : FILE_MAP_READ, 0, 0, 0));
}

HelperAnswer::HelperAnswer(platform::FileHandle file, const std::string& picturePath) : file_(std::move(file)) {
  LARGE_INTEGER size = {};
  const bool mapped = ::GetFileSizeEx(file_.Get(), &size) &&
                      static_cast<std::uint64_t>(size.QuadPart) <= kDecodedHeaderBytes + kMaxDecodedPixels * 4 &&
                      (view_ = MapAnswerFile(file_.Get(), static_cast<std::uint64_t>(size.QuadPart), false));
  const std::span<const std::uint8_t> answer(static_cast<const std::uint8_t*>(view_.Get()),
                                             mapped ? static_cast<std::size_t>(size.QuadPart) : 0);
  const std::optional<DecodedPicture> picture = mapped ? ParseDecodedPicture(answer) : std::nullopt;
  if (!picture) throw EInvalidGraphic(platform::Format("Cannot decode %s", picturePath.c_str()));
  picture_ = *picture;
}

}  // namespace pictures
