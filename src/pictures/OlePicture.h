// Icons, metafiles and GIF pictures, read and drawn by the system's OLE picture object. The
// picture file list never offers them; the picture-format registry still knows them.
#pragma once

#include <olectl.h>

#include "platform/ComPtr.h"
#include "ui/Graphic.h"

namespace pictures {

class TOlePicture : public ui::TGraphic {
 public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Fails with "Cannot open file %s", or as an invalid picture when the system cannot read it.
  void LoadFromFile(const std::string& path) override;
  void Draw(ui::TCanvas& canvas, const RECT& target) override;

 private:
  platform::ComPtr<IPicture> picture_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace pictures
