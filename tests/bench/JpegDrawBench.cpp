// The preview's first drawing of a 6000 x 4000 JPEG (load, decode, shrink into the preview),
// against a bare libjpeg-turbo decode of the same file with the same options, in the same run.
#include <windows.h>

#include <string>
#include <vector>

#include <jpeglib.h>

#include "bench/BenchTiming.h"
#include "bench/Corpus.h"
#include "pictures/JpegPicture.h"
#include "platform/Files.h"
#include "ui/Canvas.h"
#include "ui/ImageSizing.h"

namespace {

constexpr int kRounds = 7;

// libjpeg-turbo alone: full scale, block smoothing, float IDCT, BGR rows into a new buffer.
void BareDecode(const std::vector<std::uint8_t>& file) {
  jpeg_decompress_struct info = {};
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&info, TRUE);
  info.do_block_smoothing = TRUE;
  info.dct_method = JDCT_FLOAT;
  info.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&info);
  const size_t stride = (static_cast<size_t>(info.output_width) * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> pixels(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}

}  // namespace

int main() {
  const std::string path = bench::CorpusPath("jpeg/imagemagick/photo_6000x4000_q90_baseline.jpg");
  const double bare = bench::MedianSeconds(kRounds, [&] { BareDecode(platform::ReadWholeFile(path)); });

  ui::TBitmapCanvas preview(217, 145);
  const double firstDrawing = bench::MedianSeconds(kRounds, [&] {
    pictures::TJPEGImage picture;
    picture.LoadFromFile(path);
    const ui::ImageRect r = ui::DestinationRect(picture.Width(), picture.Height(), 217, 145,
                                                {.stretch = false, .proportional = true, .center = true});
    picture.Draw(preview, RECT{r.left, r.top, r.left + r.width, r.top + r.height});
  });
  bench::PrintRow("preview's first drawing of a 6000 x 4000 JPEG", "bare libjpeg-turbo decode", bare, firstDrawing);
  return 0;
}
