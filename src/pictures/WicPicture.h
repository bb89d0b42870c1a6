// The picture kind of every file the Windows Imaging Component decodes (PNG, GIF, TIFF...): decoded
// in a helper process when loaded, drawn by the program's own resampler over what the surface
// shows where it is drawn (its colour through the transparent parts).
#pragma once

#include "pictures/BgrPixels.h"
#include "pictures/DecodedPicture.h"
#include "ui/Graphic.h"

namespace pictures {

class TWicPicture : public ui::TGraphic {
 public:
  int Width() const override { return colour_.width; }
  int Height() const override { return colour_.height; }
  // Fails with EInvalidGraphic for a picture that cannot be decoded.
  void LoadFromFile(const std::string& path) override;
  // The picture a decoding helper handed back.
  void Assign(const DecodedPicture& picture);
  void Draw(ui::TCanvas& canvas, const RECT& target) override;

 private:
  // The premultiplied colour and, as grey, how much each pixel covers: each resampled as it is.
  PicturePart colour_;
  PicturePart cover_;
  // The last size drawn at, kept for the repaints that follow.
  BgrPixels drawnColour_;
  BgrPixels drawnCover_;
};

}  // namespace pictures
