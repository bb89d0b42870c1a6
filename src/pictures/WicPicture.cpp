#include "pictures/WicPicture.h"

#include <windows.h>

#include <algorithm>

#include "pictures/DecodeHelper.h"
#include "ui/Canvas.h"

namespace pictures {

void TWicPicture::LoadFromFile(const std::string& path) { Assign(DecodeInHelper(path).Picture()); }

void TWicPicture::Assign(const DecodedPicture& picture) {
  BgrPixels colour(picture.width, picture.height), cover(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* source = picture.bgra.data() + static_cast<std::size_t>(y) * picture.width * 4;
    std::uint8_t* colourRow = colour.Row(y);
    std::uint8_t* coverRow = cover.Row(y);
    for (int x = 0; x < picture.width; ++x, source += 4, colourRow += 3, coverRow += 3) {
      std::copy_n(source, 3, colourRow);
      std::fill_n(coverRow, 3, source[3]);
    }
  }
  colour_ = WholePicture(std::move(colour));
  cover_ = WholePicture(std::move(cover));
  drawnColour_ = BgrPixels();
  drawnCover_ = BgrPixels();
}

void TWicPicture::Draw(ui::TCanvas& canvas, const RECT& target) {
  const int width = target.right - target.left, height = target.bottom - target.top;
  if (width <= 0 || height <= 0 || colour_.width == 0) return;
  if (drawnColour_.Width() != width || drawnColour_.Height() != height) {
    // Kept only once drawn: a failed drawing must not be taken for the picture at that size.
    BgrPixels colour(width, height), cover(width, height);
    const PixelRect all = {0, 0, width, height};
    DrawScaled(colour_, all, all, colour);
    DrawScaled(cover_, all, all, cover);
    drawnColour_ = std::move(colour);
    drawnCover_ = std::move(cover);
  }
  // What the surface shows there, with the picture laid over it, drawn back.
  ui::TBitmapCanvas surface(width, height);
  ::BitBlt(surface.Handle(), 0, 0, width, height, canvas.Handle(), target.left, target.top, SRCCOPY);
  ::GdiFlush();
  DIBSECTION section = {};
  ::GetObjectA(surface.Bitmap(), sizeof section, &section);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* out = static_cast<std::uint8_t*>(section.dsBm.bmBits) + static_cast<std::size_t>(y) * width * 4;
    const std::uint8_t* colour = drawnColour_.Row(y);
    const std::uint8_t* cover = drawnCover_.Row(y);
    for (int x = 0; x < width; ++x, out += 4, colour += 3, cover += 3)
      for (int c = 0; c < 3; ++c) out[c] = LaidOver(colour[c], cover[c], out[c]);
  }
  ::BitBlt(canvas.Handle(), target.left, target.top, width, height, surface.Handle(), 0, 0, SRCCOPY);
}

}  // namespace pictures
