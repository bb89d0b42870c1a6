// The generic picture: loading reads nothing; it is 0 x 0 and draws nothing.
#pragma once

#include "ui/Graphic.h"

namespace pictures {

class TEmptyPicture : public ui::TGraphic {
 public:
  int Width() const override { return 0; }
  int Height() const override { return 0; }
  void LoadFromFile(const std::string&) override {}
  void Draw(ui::TCanvas&, const RECT&) override {}
};

}  // namespace pictures
