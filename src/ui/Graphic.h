// A picture an image control can hold: loaded from a file and drawn into a rectangle. Kinds
// that decode lazily report their progress while they draw.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class TCanvas;

enum class TProgressStage { psStarting, psRunning, psEnding };

class TGraphic {
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;
  virtual ~TGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void LoadFromFile(const std::string& path) = 0;
  // Draws the picture stretched into `target`.
  virtual void Draw(TCanvas& canvas, const RECT& target) = 0;

  // Drawn larger or smaller than itself, it resamples smoothly (HALFTONE) instead of dropping or
  // repeating pixels.
  void SetSmoothStretching(bool smooth) { smoothStretching_ = smooth; }

  // Stage, percent done, whether to show the changed rows now, and the rows' rectangle.
  std::function<void(TProgressStage stage, int percent, bool redrawNow, const RECT& changed)> OnProgress;

 protected:
  bool SmoothStretching() const { return smoothStretching_; }

 private:
  bool smoothStretching_ = false;
};

}  // namespace ui
