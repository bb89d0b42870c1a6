// The picture kind of every file the Windows Imaging Component decodes (PNG, GIF, TIFF...): decoded
// in a helper process when loaded, drawn by the program's own resampler over what the surface
// shows where it is drawn (its colour through the transparent parts). Only the size drawn last is
// kept: a drawing at another size (another screen's scale) decodes the file again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pictures/HelperAnswer.h"
#include "ui/Graphic.h"

namespace pictures {

class TWicPicture : public ui::TGraphic {
 public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Fails with EInvalidGraphic for a picture that cannot be decoded.
  void LoadFromFile(const std::string& path) override;
  // The picture a decoding helper of `path` handed back.
  void Assign(HelperAnswer answer, const std::string& path);
  void Draw(ui::TCanvas& canvas, const RECT& target) override;

 private:
  std::string path_;
  int width_ = 0;
  int height_ = 0;
  // The helper's answer, until the picture is drawn from it.
  std::optional<HelperAnswer> answer_;
  // The premultiplied colour and cover at the size drawn last, four bytes a pixel.
  std::vector<std::uint8_t> drawn_;
  int drawnWidth_ = 0;
  int drawnHeight_ = 0;
};

}  // namespace pictures
