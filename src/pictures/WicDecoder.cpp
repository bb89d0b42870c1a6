#include "pictures/WicDecoder.h"

#include <windows.h>

#include <wincodec.h>

#include <algorithm>
#include <cctype>

#include "pictures/PictureErrors.h"
#include "pictures/PictureExtension.h"
#include "platform/ComPtr.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/Format.h"
#include "platform/Handles.h"
#include "platform/WideText.h"

namespace pictures {
namespace {

constexpr DWORD kHelperTimeoutMs = 5000;

std::string& HelperProgram() {
  static std::string program;
  return program;
}

// Where the helper's answer goes: a new file in the user's temporary folder, removed after.
class AnswerFile {
 public:
  AnswerFile() {
    char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
    if (::GetTempPathA(sizeof folder, folder) && ::GetTempFileNameA(folder, "vnt", 0, name)) path_ = name;
  }
  ~AnswerFile() {
    if (!path_.empty()) ::DeleteFileA(path_.c_str());
  }
  AnswerFile(const AnswerFile&) = delete;
  AnswerFile& operator=(const AnswerFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) ::CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

platform::ComPtr<IWICImagingFactory> Factory() {
  platform::ComPtr<IWICImagingFactory> factory;
  ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     factory.ReceiveVoid());
  return factory;
}

std::vector<std::string> DeclaredExtensions() {
  ComScope com;
  std::vector<std::string> extensions;
  platform::ComPtr<IWICImagingFactory> factory = Factory();
  platform::ComPtr<IEnumUnknown> decoders;
  if (!factory || FAILED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault,
                                                            decoders.Receive())))
    return extensions;
  for (;;) {
    platform::ComPtr<IUnknown> component;
    ULONG fetched = 0;
    if (decoders->Next(1, component.Receive(), &fetched) != S_OK || fetched == 0) break;
    platform::ComPtr<IWICBitmapCodecInfo> info;
    UINT length = 0;
    if (FAILED(component->QueryInterface(IID_IWICBitmapCodecInfo, info.ReceiveVoid())) ||
        FAILED(info->GetFileExtensions(0, nullptr, &length)) || length == 0)
      continue;
    std::wstring text(length, L'\0');
    if (FAILED(info->GetFileExtensions(length, text.data(), &length))) continue;
    std::string list = platform::FromWide(text.c_str());
    std::replace(list.begin(), list.end(), ';', ',');
    for (size_t start = 0; start <= list.size();) {
      const size_t end = std::min(list.find(',', start), list.size());
      std::string extension = list.substr(start, end - start);
      extension.erase(0, extension.find_first_not_of(" ."));
      extension.erase(extension.find_last_not_of(' ') + 1);
      std::transform(extension.begin(), extension.end(), extension.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      const bool own = extension == "bmp" || extension == "jpg" || extension == "jpeg";
      if (!extension.empty() && !own && std::ranges::count(extensions, extension) == 0)
        extensions.push_back(extension);
      start = end + 1;
    }
  }
  return extensions;
}

// A frame's place on a GIF's logical screen, and the screen's size; nothing for other kinds.
struct Placement {
  UINT screenWidth = 0, screenHeight = 0, left = 0, top = 0;
};
UINT MetadataNumber(IWICMetadataQueryReader* reader, const wchar_t* name) {
  PROPVARIANT value;
  ::PropVariantInit(&value);
  UINT number = 0;
  if (reader && SUCCEEDED(reader->GetMetadataByName(name, &value)) && value.vt == VT_UI2) number = value.uiVal;
  ::PropVariantClear(&value);
  return number;
}
Placement GifPlacement(IWICBitmapDecoder* decoder, IWICBitmapFrameDecode* frame) {
  platform::ComPtr<IWICMetadataQueryReader> screen, image;
  decoder->GetMetadataQueryReader(screen.Receive());
  frame->GetMetadataQueryReader(image.Receive());
  return {MetadataNumber(screen.Get(), L"/logscrdesc/Width"), MetadataNumber(screen.Get(), L"/logscrdesc/Height"),
          MetadataNumber(image.Get(), L"/imgdesc/Left"), MetadataNumber(image.Get(), L"/imgdesc/Top")};
}

// Frame 0; of an icon, the largest.
platform::ComPtr<IWICBitmapFrameDecode> ChosenFrame(IWICBitmapDecoder* decoder, bool icon) {
  UINT frames = 0;
  decoder->GetFrameCount(&frames);
  platform::ComPtr<IWICBitmapFrameDecode> chosen;
  std::uint64_t largest = 0;
  for (UINT index = 0; index < (icon ? frames : std::min(frames, 1u)); ++index) {
    platform::ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(index, frame.Receive())) || FAILED(frame->GetSize(&width, &height))) continue;
    if (std::uint64_t{width} * height > largest || !chosen) {
      largest = std::uint64_t{width} * height;
      chosen = std::move(frame);
    }
  }
  return chosen;
}

std::vector<std::uint8_t> DecodeWithWic(const std::vector<std::uint8_t>& file) {
  ComScope com;
  platform::ComPtr<IWICImagingFactory> factory = Factory();
  platform::ComPtr<IWICStream> stream;
  platform::ComPtr<IWICBitmapDecoder> decoder;
  if (!factory || FAILED(factory->CreateStream(stream.Receive())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Receive())))
    return {};
  GUID container = {};
  decoder->GetContainerFormat(&container);
  platform::ComPtr<IWICBitmapFrameDecode> frame = ChosenFrame(decoder.Get(), container == GUID_ContainerFormatIco);
  UINT width = 0, height = 0;
  if (!frame || FAILED(frame->GetSize(&width, &height)) || !DecodablePictureSize(width, height)) return {};
  platform::ComPtr<IWICBitmapSource> converted;
  std::vector<std::uint8_t> rows(std::size_t{width} * height * 4);
  if (FAILED(::WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), converted.Receive())) ||
      FAILED(converted->CopyPixels(nullptr, width * 4, static_cast<UINT>(rows.size()), rows.data())))
    return {};
  const Placement place = container == GUID_ContainerFormatGif ? GifPlacement(decoder.Get(), frame.Get()) : Placement{};
  if (place.screenWidth == 0 || place.screenHeight == 0 || (place.screenWidth == width && place.screenHeight == height))
    return EncodeDecodedPicture(static_cast<int>(width), static_cast<int>(height), rows);
  // The frame on its logical screen, transparent around it.
  std::vector<std::uint8_t> screen(std::size_t{place.screenWidth} * place.screenHeight * 4, 0);
  for (UINT y = 0; y < height && place.top + y < place.screenHeight; ++y) {
    const UINT columns = place.left < place.screenWidth ? std::min(width, place.screenWidth - place.left) : 0;
    std::copy_n(rows.data() + std::size_t{y} * width * 4, std::size_t{columns} * 4,
                screen.data() + (std::size_t{place.top + y} * place.screenWidth + place.left) * 4);
  }
  return EncodeDecodedPicture(static_cast<int>(place.screenWidth), static_cast<int>(place.screenHeight), screen);
}

}  // namespace

const std::vector<std::string>& WicFileExtensions() {
  static const std::vector<std::string> extensions = DeclaredExtensions();
  return extensions;
}

void SetDecodeHelperProgram(std::string program) { HelperProgram() = std::move(program); }

bool IsImagingComponentKind(const std::string& path) {
  const std::string extension = PictureExtension(path);
  return std::ranges::any_of(WicFileExtensions(), [&](const std::string& kind) {
    return ::lstrcmpiA(kind.c_str(), extension.c_str()) == 0;
  });
}

int RunDecodeHelper(const std::string& picturePath, const std::string& answerPath) {
  // A decoder that fails ends this process without a box that would wait for a user.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  try {
    const std::vector<std::uint8_t> answer = DecodeWithWic(platform::ReadWholeFile(picturePath));
    if (answer.empty()) return 1;
    platform::ReplaceFileContent(answerPath, answer);
    return 0;
  } catch (const std::exception&) {
    return 1;
  }
}

DecodedPicture DecodeInHelper(const std::string& picturePath) {
  const auto invalid = [&] {
    return EInvalidGraphic(platform::Format("Cannot decode %s", picturePath.c_str()));
  };
  const AnswerFile answer;
  char ownProgram[MAX_PATH] = {};
  if (HelperProgram().empty() && !::GetModuleFileNameA(nullptr, ownProgram, sizeof ownProgram)) throw invalid();
  const std::string program = HelperProgram().empty() ? ownProgram : HelperProgram();
  if (answer.Path().empty()) throw invalid();
  std::string commandLine = platform::Format("\"%s\" %s \"%s\" \"%s\"", program.c_str(), kDecodeSwitch,
                                             picturePath.c_str(), answer.Path().c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
    throw invalid();
  const platform::KernelHandle process(started.hProcess), thread(started.hThread);
  DWORD exitCode = 1;
  if (::WaitForSingleObject(process.Get(), kHelperTimeoutMs) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.Get(), 1);
    ::WaitForSingleObject(process.Get(), kHelperTimeoutMs);
    throw invalid();
  }
  if (!::GetExitCodeProcess(process.Get(), &exitCode) || exitCode != 0) throw invalid();
  std::optional<DecodedPicture> picture = ParseDecodedPicture(platform::ReadWholeFile(answer.Path()));
  if (!picture) throw invalid();
  return std::move(*picture);
}

}  // namespace pictures
