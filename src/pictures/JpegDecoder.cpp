#include "pictures/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace pictures {
namespace {

constexpr int kQuantizedColors = 236;
constexpr std::uint64_t kProgressSpacingMs = 500;
constexpr int kRedrawRows = 4;

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the guarded call that was running. No C++ object lives between a guard and the library.
struct ErrorManager {
  jpeg_error_mgr library;
  std::jmp_buf jump;
};

void ExitOnError(j_common_ptr common) {
  std::longjmp(reinterpret_cast<ErrorManager*>(common->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

[[noreturn]] void RaiseJpegError(const ErrorManager& errors) {
  throw EJPEG(platform::Format("JPEG error #%d", errors.library.msg_code));
}

// Each guarded call returns false when libjpeg failed.
bool GuardedReadHeader(ErrorManager& errors, j_decompress_ptr info, const std::uint8_t* data, size_t size) {
  if (setjmp(errors.jump)) return false;
  jpeg_mem_src(info, data, static_cast<unsigned long>(size));  // refuses an empty file
  jpeg_read_header(info, TRUE);
  return true;
}
bool GuardedStart(ErrorManager& errors, j_decompress_ptr info) {
  if (setjmp(errors.jump)) return false;
  jpeg_start_decompress(info);
  return true;
}
bool GuardedCrop(ErrorManager& errors, j_decompress_ptr info, JDIMENSION& left, JDIMENSION& width,
                 JDIMENSION skipped) {
  if (setjmp(errors.jump)) return false;
  jpeg_crop_scanline(info, &left, &width);
  jpeg_skip_scanlines(info, skipped);
  return true;
}
bool GuardedReadRow(ErrorManager& errors, j_decompress_ptr info, JSAMPROW row) {
  if (setjmp(errors.jump)) return false;
  jpeg_read_scanlines(info, &row, 1);
  return true;
}
bool GuardedFinish(ErrorManager& errors, j_decompress_ptr info) {
  if (setjmp(errors.jump)) return false;
  jpeg_finish_decompress(info);
  return true;
}

// A decompressor reading from memory, destroyed with its owner whatever happened.
class Decompressor {
 public:
  explicit Decompressor(std::span<const std::uint8_t> file) : file_(file) {
    info.err = jpeg_std_error(&errors.library);
    errors.library.error_exit = ExitOnError;
    errors.library.emit_message = IgnoreMessage;
    jpeg_create_decompress(&info);
  }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  ~Decompressor() { jpeg_destroy_decompress(&info); }

  void ReadHeader() {
    if (!GuardedReadHeader(errors, &info, file_.data(), file_.size())) RaiseJpegError(errors);
  }

  ErrorManager errors;
  jpeg_decompress_struct info = {};

 private:
  std::span<const std::uint8_t> file_;
};

// The progress hook: at most one report every 500 ms, and only when the percentage moved.
struct ProgressReporter {
  jpeg_progress_mgr library;
  const JpegDecodeOptions* options;
  JpegTarget* target;
  std::uint64_t lastCall = 0;
  bool called = false;
  int lastPercent = -1;
  int reportedRows = 0;

  static void Hook(j_common_ptr common) {
    auto* self = reinterpret_cast<ProgressReporter*>(common->progress);
    self->Report(reinterpret_cast<j_decompress_ptr>(common));
  }

  void Report(j_decompress_ptr info) {
    const std::uint64_t now = options->clock();
    if (called && now - lastCall < kProgressSpacingMs) return;
    const bool first = !called;
    called = true;
    lastCall = now;
    if (first) return;
    const int passes = library.total_passes > 0 ? library.total_passes : 1;
    const double done = library.pass_limit > 0 ? static_cast<double>(library.pass_counter) / library.pass_limit : 0;
    const int percent = static_cast<int>((done + library.completed_passes) * 100 / passes);
    if (percent == lastPercent) return;
    lastPercent = percent;
    const int decoded = static_cast<int>(info->output_scanline);
    target->Progress(percent, reportedRows, decoded, decoded - reportedRows >= kRedrawRows);
    reportedRows = decoded;
  }
};

// Adobe writes CMYK inverted; libjpeg-turbo has no CMYK-to-RGB conversion of its own.
void CmykRowToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, int bytesPerPixel) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += bytesPerPixel) {
    const int k = cmyk[3];
    bgr[0] = static_cast<std::uint8_t>(cmyk[2] * k / 255);
    bgr[1] = static_cast<std::uint8_t>(cmyk[1] * k / 255);
    bgr[2] = static_cast<std::uint8_t>(cmyk[0] * k / 255);
  }
}

}  // namespace

JpegHeader ReadJpegHeader(std::span<const std::uint8_t> file) {
  Decompressor decompressor(file);
  decompressor.ReadHeader();
  const jpeg_decompress_struct& info = decompressor.info;
  return {static_cast<int>(info.image_width), static_cast<int>(info.image_height),
          info.jpeg_color_space == JCS_GRAYSCALE, jpeg_has_multiple_scans(&decompressor.info) != 0};
}

void DecodeJpeg(std::span<const std::uint8_t> file, const JpegDecodeOptions& options, JpegTarget& target) {
  Decompressor decompressor(file);
  jpeg_decompress_struct& info = decompressor.info;
  decompressor.ReadHeader();

  info.scale_num = static_cast<unsigned>(std::clamp(options.scaleEighths, 1, 8));
  info.scale_denom = 8;
  info.do_block_smoothing = TRUE;
  info.dct_method = options.floatDct ? JDCT_FLOAT : JDCT_ISLOW;
  info.buffered_image = FALSE;
  // CMYK (and YCCK) files are converted here, and libjpeg cannot quantize what it did not
  // convert: they stay at 24 bits.
  const bool cmyk = info.out_color_space == JCS_CMYK;
  const bool quantize =
      (options.eightBit && !cmyk) || (options.grayscaleAsPalette && info.out_color_space == JCS_GRAYSCALE);
  if (quantize) {
    info.quantize_colors = TRUE;
    info.desired_number_of_colors = kQuantizedColors;
    info.two_pass_quantize = TRUE;
    info.dither_mode = JDITHER_FS;
  } else if (!cmyk) {
    info.out_color_space = options.colourBits == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
  }
  const int bitsPerPixel = quantize ? 8 : options.colourBits;

  // libjpeg takes up to 65500 x 65500 pixels; more than a sensible picture is refused before
  // anything is allocated for it.
  const std::uint64_t outputBytes = std::uint64_t{info.image_width} * info.image_height * (bitsPerPixel / 8);
  if (outputBytes > kMaxPixelBytes) throw platform::EOutOfResources("Out of memory");

  ProgressReporter progress{};
  progress.library.progress_monitor = &ProgressReporter::Hook;
  progress.options = &options;
  progress.target = &target;
  if (options.clock) info.progress = &progress.library;

  if (!GuardedStart(decompressor.errors, &info)) RaiseJpegError(decompressor.errors);
  std::vector<RgbQuad> palette;
  if (info.quantize_colors) {
    for (int i = 0; i < info.actual_number_of_colors; ++i) {
      const std::uint8_t red = info.colormap[0][i];
      const std::uint8_t green = info.out_color_components > 1 ? info.colormap[1][i] : red;
      const std::uint8_t blue = info.out_color_components > 2 ? info.colormap[2][i] : red;
      palette.push_back(RgbQuad{blue, green, red, 0});
    }
  }
  int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  target.Begin(width, height, bitsPerPixel, palette);
  JDIMENSION endRow = info.output_height;
  if (const JpegDecodeOptions::Part& part = options.part; part.width > 0 && part.height > 0 && !quantize) {
    // The part within the picture; the decoder widens the columns to whole blocks on the left.
    // Smooth upsampling takes a crop's first and last columns for the picture's edges: a column
    // more on the left and a block (an iMCU) more on the right keep the part's own exact.
    const int top = std::clamp(part.top, 0, height), left = std::clamp(part.left - 1, 0, width);
    const int block = info.max_h_samp_factor * info.min_DCT_scaled_size;
    JDIMENSION cropLeft = static_cast<JDIMENSION>(left);
    JDIMENSION cropWidth =
        static_cast<JDIMENSION>(std::clamp(part.left - left + part.width + block, 1, std::max(width - left, 1)));
    endRow = static_cast<JDIMENSION>(std::clamp(top + part.height, top, height));
    if (!GuardedCrop(decompressor.errors, &info, cropLeft, cropWidth, static_cast<JDIMENSION>(top)))
      RaiseJpegError(decompressor.errors);
    width = static_cast<int>(cropWidth);
    target.Part(static_cast<int>(cropLeft), top, width, static_cast<int>(endRow) - top);
  }

  std::vector<std::uint8_t> cmykRow(cmyk && !info.quantize_colors ? static_cast<size_t>(width) * 4 : 0);
  while (info.output_scanline < endRow) {
    const int y = static_cast<int>(info.output_scanline);
    std::uint8_t* row = target.Row(y);
    if (!GuardedReadRow(decompressor.errors, &info, cmykRow.empty() ? row : cmykRow.data()))
      RaiseJpegError(decompressor.errors);
    if (!cmykRow.empty()) CmykRowToBgr(cmykRow.data(), row, width, bitsPerPixel / 8);
  }
  // Rows below the part are never decoded: the decompressor is destroyed unfinished.
  if (endRow == info.output_height && !GuardedFinish(decompressor.errors, &info)) RaiseJpegError(decompressor.errors);
}

}  // namespace pictures
