#include "ui/Image.h"

#include <oleacc.h>

#include "ui/Canvas.h"
#include "ui/DpiScaling.h"
#include "ui/GdiHandles.h"

namespace ui {

TImage::TImage(std::string name, TWinControl& parent, const DesignRect& bounds, const ImageSizing& sizing,
               bool incrementalDisplay)
    : TWinControl(std::move(name)), sizing_(sizing), incrementalDisplay_(incrementalDisplay) {
  SetColor(parent.Color());
  CreateChild(parent, bounds);
}

void TImage::SetPicture(std::unique_ptr<TGraphic> picture) {
  picture_ = std::move(picture);
  SmoothAtDpi(Dpi());
  if (picture_)
    picture_->OnProgress = [this](TProgressStage, int, bool redrawNow, const RECT&) { ShowProgress(redrawNow); };
  Invalidate();
}

// A picture of the program's own, made for 96 dpi, is resampled smoothly to its size elsewhere.
void TImage::SmoothAtDpi(int dpi) {
  if (picture_) picture_->SetSmoothStretching(pictureScalesWithDpi_ && dpi != kDesignDpi);
}

long TImage::AccessibleRole() const { return ROLE_SYSTEM_GRAPHIC; }

void TImage::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  SmoothAtDpi(dpi);
  Invalidate();
}

RECT TImage::PictureRect() const {
  if (!picture_) return {};
  const int width = pictureScalesWithDpi_ ? ScaleToDpi(picture_->Width(), Dpi()) : picture_->Width();
  const int height = pictureScalesWithDpi_ ? ScaleToDpi(picture_->Height(), Dpi()) : picture_->Height();
  const ImageRect rect = DestinationRect(width, height, Width(), Height(), sizing_);
  return RECT{rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

void TImage::DrawPicture(TCanvas& canvas) {
  if (picture_) picture_->Draw(canvas, PictureRect());
}

void TImage::Paint(TCanvas& canvas) { DrawPicture(canvas); }

// While a picture decodes inside a paint, its new rows are shown at once: the nested drawing
// finds the bitmap there and only copies it.
void TImage::ShowProgress(bool redrawNow) {
  if (!incrementalDisplay_ || !redrawNow || !HandleAllocated()) return;
  const WindowDc dc(Handle());
  TCanvas canvas(dc.Get());
  DrawPicture(canvas);
}

}  // namespace ui
