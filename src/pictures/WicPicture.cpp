#include "pictures/WicPicture.h"

#include <windows.h>

#include <utility>

#include "pictures/BgrPixels.h"
#include "pictures/DecodeHelper.h"
#include "ui/Canvas.h"

namespace pictures {

void TWicPicture::LoadFromFile(const std::string& path) { Assign(DecodeInHelper(path), path); }

void TWicPicture::Assign(HelperAnswer answer, const std::string& path) {
  path_ = path;
  width_ = answer.Picture().width;
  height_ = answer.Picture().height;
  answer_.emplace(std::move(answer));
  drawn_.clear();
  drawnWidth_ = drawnHeight_ = 0;
  answerAsked_ = false;
}

void TWicPicture::Draw(ui::TCanvas& canvas, const RECT& target) {
  const int width = target.right - target.left, height = target.bottom - target.top;
  if (width <= 0 || height <= 0 || width_ == 0) return;
  if (drawnWidth_ != width || drawnHeight_ != height) {
    if (!answer_ && OnAnswerNeeded) {
      if (!std::exchange(answerAsked_, true)) OnAnswerNeeded();
      if (!drawn_.empty()) LayOver(canvas, target, ScaledBgra(drawn_, drawnWidth_, drawnHeight_, width, height));
      return;
    }
    if (!answer_) answer_.emplace(DecodeInHelper(path_));
    const DecodedPicture& picture = answer_->Picture();
    drawn_ = ScaledBgra(picture.bgra, picture.width, picture.height, width, height);
    drawnWidth_ = width;
    drawnHeight_ = height;
    answer_.reset();
  }
  LayOver(canvas, target, drawn_);
}

// What the surface shows there, with the picture laid over it, drawn back.
void TWicPicture::LayOver(ui::TCanvas& canvas, const RECT& target, const std::vector<std::uint8_t>& bgra) {
  const int width = target.right - target.left, height = target.bottom - target.top;
  ui::TBitmapCanvas surface(width, height);
  ::BitBlt(surface.Handle(), 0, 0, width, height, canvas.Handle(), target.left, target.top, SRCCOPY);
  ::GdiFlush();
  DIBSECTION section = {};
  ::GetObjectA(surface.Bitmap(), sizeof section, &section);
  auto* out = static_cast<std::uint8_t*>(section.dsBm.bmBits);
  for (std::size_t i = 0; i < bgra.size(); i += 4)
    for (std::size_t c = 0; c < 3; ++c) out[i + c] = LaidOver(bgra[i + c], bgra[i + 3], out[i + c]);
  ::BitBlt(canvas.Handle(), target.left, target.top, width, height, surface.Handle(), 0, 0, SRCCOPY);
}

}  // namespace pictures
