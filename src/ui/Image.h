// An image control: shows one picture, placed by the image sizing rule.
#pragma once

#include <memory>

#include "ui/Graphic.h"
#include "ui/ImageSizing.h"
#include "ui/WinControl.h"

namespace ui {

class TImage : public TWinControl {
 public:
  TImage(std::string name, TWinControl& parent, const DesignRect& bounds, const ImageSizing& sizing,
         bool incrementalDisplay);

  TGraphic* Picture() const { return picture_.get(); }
  // The picture, for one that must outlive its showing here (a wallpaper written from it later).
  std::shared_ptr<const TGraphic> SharedPicture() const { return picture_; }
  // A picture of the program's own, made for 96 dpi: its size counts as scaled to the screen,
  // and it is resampled smoothly when the screen is another.
  void SetPictureScalesWithDpi() { pictureScalesWithDpi_ = true; }
  // Takes the picture (or none) and repaints.
  void SetPicture(std::unique_ptr<TGraphic> picture);
  // Where the picture is drawn in the control.
  RECT PictureRect() const;
  // Draws the picture as the control would, onto any canvas (a window's or a memory bitmap's).
  void DrawPicture(TCanvas& canvas);
  void ApplyDpi(int dpi) override;
  // A graphic, read as its hint; before it has one, as the name it was given.
  std::string AccessibleName() const override { return Hint().empty() ? TWinControl::AccessibleName() : Hint(); }
  long AccessibleRole() const override;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  void ShowProgress(bool redrawNow);
  void SmoothAtDpi(int dpi);

  ImageSizing sizing_;
  bool incrementalDisplay_;
  bool pictureScalesWithDpi_ = false;
  std::shared_ptr<TGraphic> picture_;
};

}  // namespace ui
