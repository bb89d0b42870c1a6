#include "pictures/WicDecoder.h"

#include <windows.h>

#include <wincodec.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <functional>

#include "pictures/HelperAnswer.h"
#include "pictures/PictureExtension.h"
#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/Files.h"
#include "platform/WideText.h"

namespace pictures {
namespace {

platform::ComPtr<IWICImagingFactory> Factory() {
  platform::ComPtr<IWICImagingFactory> factory;
  ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     factory.ReceiveVoid());
  return factory;
}

// The kinds the program decodes itself.
bool IsOwnKind(const std::string& extension) {
  return std::ranges::any_of(std::initializer_list<const char*>{"bmp", "jpg", "jpeg"},
                             [&](const char* own) { return ::lstrcmpiA(own, extension.c_str()) == 0; });
}

std::vector<std::string> DeclaredExtensions() {
  platform::ComScope com;
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
      if (!extension.empty() && !IsOwnKind(extension) && std::ranges::count(extensions, extension) == 0)
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

// The rows copied and written at a time: small enough to stay in the cache.
constexpr std::size_t kBandBytes = 1 << 20;

// Decodes the picture that the stream `open` prepares reads into the answer file; false when the
// picture cannot be decoded or is too large.
bool DecodeWithWic(const std::function<HRESULT(IWICStream*)>& open, HANDLE answer, bool sizeOnly) {
  platform::ComScope com;
  platform::ComPtr<IWICImagingFactory> factory = Factory();
  platform::ComPtr<IWICStream> stream;
  platform::ComPtr<IWICBitmapDecoder> decoder;
  if (!factory || FAILED(factory->CreateStream(stream.Receive())) || FAILED(open(stream.Get())) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Receive())))
    return false;
  GUID container = {};
  decoder->GetContainerFormat(&container);
  platform::ComPtr<IWICBitmapFrameDecode> frame = ChosenFrame(decoder.Get(), container == GUID_ContainerFormatIco);
  UINT width = 0, height = 0;
  if (!frame || FAILED(frame->GetSize(&width, &height)) || !DecodablePictureSize(width, height)) return false;
  const Placement place = container == GUID_ContainerFormatGif ? GifPlacement(decoder.Get(), frame.Get()) : Placement{};
  const bool onScreen = place.screenWidth != 0 && place.screenHeight != 0;
  const UINT answerWidth = onScreen ? place.screenWidth : width, answerHeight = onScreen ? place.screenHeight : height;
  // A tiny frame may declare a screen of gigabytes.
  if (!DecodablePictureSize(answerWidth, answerHeight)) return false;
  platform::ComPtr<IWICBitmapSource> converted;
  if (FAILED(::WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), converted.Receive()))) return false;
  const std::size_t stride = std::size_t{answerWidth} * 4;
  const std::vector<std::uint8_t> header =
      DecodedPictureHeader(static_cast<int>(answerWidth), static_cast<int>(answerHeight));
  if (!SizeAnswer(answer, kDecodedHeaderBytes + (sizeOnly ? 0 : stride * answerHeight)) ||
      !WriteAnswerAt(answer, 0, header))
    return false;
  if (sizeOnly) return true;
  // The frame where it lies on its screen; around it the file's zeros are transparent. Copied in
  // bands of rows through one buffer, whose columns beside the frame stay zero.
  const UINT left = onScreen ? place.left : 0, top = onScreen ? place.top : 0;
  if (left >= answerWidth || top >= answerHeight) return true;
  const UINT shownWidth = std::min(width, answerWidth - left), shownHeight = std::min(height, answerHeight - top);
  const UINT bandRows = static_cast<UINT>(std::clamp<std::size_t>(kBandBytes / stride, 1, shownHeight));
  std::vector<std::uint8_t> band(stride * bandRows);
  for (UINT row = 0; row < shownHeight; row += bandRows) {
    const UINT rows = std::min(bandRows, shownHeight - row);
    const WICRect shown = {0, static_cast<INT>(row), static_cast<INT>(shownWidth), static_cast<INT>(rows)};
    const std::size_t bandBytes = stride * rows;
    if (FAILED(converted->CopyPixels(&shown, static_cast<UINT>(stride),
                                     static_cast<UINT>(bandBytes - std::size_t{left} * 4), band.data() + left * 4)) ||
        !WriteAnswerAt(answer, kDecodedHeaderBytes + (std::size_t{top} + row) * stride, {band.data(), bandBytes}))
      return false;
  }
  return true;
}

}  // namespace

const std::vector<std::string>& WicFileExtensions() {
  static const std::vector<std::string> extensions = DeclaredExtensions();
  return extensions;
}

// The program's own kinds are known without asking the imaging component for its decoders, which
// costs a run tens of milliseconds.
bool IsImagingComponentKind(const std::string& path) {
  const std::string extension = PictureExtension(path);
  if (IsOwnKind(extension)) return false;
  return std::ranges::any_of(WicFileExtensions(), [&](const std::string& kind) {
    return ::lstrcmpiA(kind.c_str(), extension.c_str()) == 0;
  });
}

int RunDecodeHelper(const std::string& picturePath, const std::string& answerHandle, bool sizeOnly) {
  // A decoder that fails ends this process without a box that would wait for a user.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  try {
    const auto answer = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::stoull(answerHandle)));
    if (::GetFileType(answer) != FILE_TYPE_DISK) return 1;
    std::vector<std::uint8_t> file;
    const auto open = [&](IWICStream* stream) {
      // For its size, the decoder reads what the header needs from the file itself; for its
      // pixels, the file is read whole first, denying writers, and decoded as it was then.
      // A file larger than a stream in memory can take is refused before it is read.
      if (sizeOnly) return stream->InitializeFromFilename(platform::ToWide(picturePath).c_str(), GENERIC_READ);
      const platform::FileReader reader(picturePath);
      if (reader.Size() > UINT_MAX) return E_OUTOFMEMORY;
      file = reader.ReadAll();
      return stream->InitializeFromMemory(file.data(), static_cast<DWORD>(file.size()));
    };
    return DecodeWithWic(open, answer, sizeOnly) ? 0 : 1;
  } catch (const std::exception&) {
    return 1;
  }
}

}  // namespace pictures
