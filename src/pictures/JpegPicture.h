// The JPEG picture kind: the file is kept in memory with its header read; it is decoded into a
// bitmap at its first drawing, and that bitmap stays with it.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/JpegDecoder.h"
#include "ui/GdiHandles.h"
#include "ui/Graphic.h"

namespace pictures {

class TJPEGImage : public ui::TGraphic, private JpegTarget {
 public:
  int Width() const override { return header_.width; }
  int Height() const override { return header_.height; }
  // Fails with "Cannot open file %s" or "JPEG error #%d". An empty file loads as 0 x 0.
  void LoadFromFile(const std::string& path) override;
  void LoadFromBytes(std::vector<std::uint8_t> file);
  // Decodes at the first drawing; a decoding error is raised once, and what was decoded by
  // then is what later drawings show.
  void Draw(ui::TCanvas& canvas, const RECT& target) override;

  // 8 bits per pixel for every picture, as on a display of 256 colours or fewer.
  static bool DisplayNeedsEightBits();

 private:
  void Decode();
  void Begin(int width, int height, int bitsPerPixel, const std::vector<RgbQuad>& palette) override;
  std::uint8_t* Row(int y) override;
  void Progress(int percent, int firstRow, int endRow, bool redraw) noexcept override;
  void Report(ui::TProgressStage stage, int percent, bool redraw, const RECT& changed);

  std::vector<std::uint8_t> file_;
  JpegHeader header_;
  bool decodeStarted_ = false;
  bool paletteChanged_ = false;
  ui::BitmapHandle bitmap_;
  std::uint8_t* bits_ = nullptr;
  size_t stride_ = 0;
  int bitsPerPixel_ = 24;
};

}  // namespace pictures
