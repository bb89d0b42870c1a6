// The preview of a 6000 x 4000 PNG (decoded by the helper process, shrunk into the preview by the
// program's resampler), against a bare decode of it by the imaging component in this process,
// in the same run: the helper's cost shows. And the memory the preview holds while it shows the
// picture, against the picture's decoded pixels. The PNG's path comes as the argument; the
// program is its own decoding helper.
#include <windows.h>

#include <psapi.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "pictures/WicDecoder.h"
#include "pictures/WicPicture.h"
#include "platform/ComPtr.h"
#include "platform/Files.h"
#include "platform/Module.h"
#include "ui/Canvas.h"
#include "ui/ImageSizing.h"

namespace {

constexpr int kRounds = 5;

// The imaging component alone: from memory, frame 0, as 32-bit premultiplied BGRA.
void BareDecode(const std::vector<std::uint8_t>& file) {
  platform::ComPtr<IWICImagingFactory> factory;
  platform::ComPtr<IWICStream> stream;
  platform::ComPtr<IWICBitmapDecoder> decoder;
  platform::ComPtr<IWICBitmapFrameDecode> frame;
  platform::ComPtr<IWICBitmapSource> converted;
  ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     factory.ReceiveVoid());
  factory->CreateStream(stream.Receive());
  stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size()));
  factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Receive());
  decoder->GetFrame(0, frame.Receive());
  UINT width = 0, height = 0;
  frame->GetSize(&width, &height);
  ::WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), converted.Receive());
  std::vector<BYTE> pixels(std::size_t{width} * height * 4);
  converted->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()), pixels.data());
}

// The memory the process has committed for itself (Wine reports no PrivateUsage).
SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

// The picture loaded and drawn into the preview as the main window shows it.
void Preview(pictures::TWicPicture& picture, const std::string& path, ui::TCanvas& preview) {
  picture.LoadFromFile(path);
  const ui::ImageRect r = ui::DestinationRect(picture.Width(), picture.Height(), 217, 145,
                                              {.stretch = false, .proportional = true, .center = true});
  picture.Draw(preview, RECT{r.left, r.top, r.left + r.width, r.top + r.height});
}

}  // namespace

int main() {
  if (platform::ParamStr(1) == pictures::kDecodeSwitch)
    return pictures::RunDecodeHelper(platform::ParamStr(2), platform::ParamStr(3),
                                     platform::ParamStr(4) == pictures::kSizeOnlySwitch);
  const std::string path = platform::ParamStr(1);
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const double bare = bench::MedianSeconds(kRounds, [&] { BareDecode(platform::ReadWholeFile(path)); });

  ui::TBitmapCanvas preview(217, 145);
  // Measured first, before earlier rounds leave freed memory for it to take again.
  const SIZE_T before = PrivateBytes();
  pictures::TWicPicture shown;
  Preview(shown, path, preview);
  const double heldKib = static_cast<double>(PrivateBytes() - before) / 1024;
  const double decodedKib = static_cast<double>(shown.Width()) * shown.Height() * 4 / 1024;
  const double firstDrawing = bench::MedianSeconds(kRounds, [&] {
    pictures::TWicPicture picture;
    Preview(picture, path, preview);
  });
  bench::PrintRow("preview's first drawing of a 6000 x 4000 PNG", "bare imaging component decode", bare,
                  firstDrawing);
  std::printf("the same: memory held while it is shown|its decoded pixels|%.0f KiB|%.0f KiB|%.3f\n", decodedKib,
              heldKib, heldKib / decodedKib);

  ::CoUninitialize();
  return 0;
}
