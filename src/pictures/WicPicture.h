// The picture kind of every file the Windows Imaging Component decodes (PNG, GIF, TIFF...): decoded
// in a helper process when loaded, drawn by the program's own resampler over what the surface
// shows where it is drawn (its colour through the transparent parts). Only the size drawn last is
// kept: a drawing at another size (another screen's scale) decodes the file again, in the
// background where a window asks for that.
#pragma once

#include <cstdint>
#include <functional>
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

  // Asked, once, for the helper's answer again (handed over with Assign) when the picture is to
  // be drawn at another size; until it comes, the last drawing is shown stretched. Without it,
  // such a drawing decodes the file itself, waiting.
  std::function<void()> OnAnswerNeeded;

 private:
  // The premultiplied pixels laid over what the canvas shows in `target`.
  static void LayOver(ui::TCanvas& canvas, const RECT& target, const std::vector<std::uint8_t>& bgra);

  std::string path_;
  int width_ = 0;
  int height_ = 0;
  // The helper's answer, until the picture is drawn from it.
  std::optional<HelperAnswer> answer_;
  // The premultiplied colour and cover at the size drawn last, four bytes a pixel.
  std::vector<std::uint8_t> drawn_;
  int drawnWidth_ = 0;
  int drawnHeight_ = 0;
  bool answerAsked_ = false;
};

}  // namespace pictures
