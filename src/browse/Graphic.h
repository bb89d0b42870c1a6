// A picture the preview can hold: loaded from a file, drawn into a rectangle, maybe saved.
#pragma once

#include <windows.h>

#include <string>

namespace ui {
class TCanvas;
}

namespace browse {

class TGraphic {
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;
  virtual ~TGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void LoadFromFile(const std::string& path) = 0;
  virtual void SaveToFile(const std::string& path) const = 0;
  // Draws the picture stretched into `target`.
  virtual void Draw(ui::TCanvas& canvas, const RECT& target) = 0;
};

}  // namespace browse
