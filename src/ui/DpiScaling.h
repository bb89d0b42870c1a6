// Window layouts are designed at 96 dots per inch. On a screen of another resolution every
// designed position and size is multiplied by dpi / 96 and truncated toward zero: at 144 dpi the
// preview's 217 x 145 becomes 325 x 217, and a border of 1 stays 1. Item heights are rounded
// instead, so that a list keeps its designed number of whole rows within a few pixels of its
// designed height: 15 becomes 19 at 120 dpi, 23 at 144 and 30 at 192. Designed values have types
// of their own, so that the toolkit's functions that take them take no pixels by mistake.
#pragma once

namespace ui {

inline constexpr int kDesignDpi = 96;

// A length as designed, at 96 dpi.
struct DesignLength {
  int pixels96;
};

// A control's place and size as designed, at 96 dpi, relative to its parent's client area.
struct DesignRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const DesignRect&) const = default;
};

constexpr DesignRect Design(int left, int top, int width, int height) { return {left, top, width, height}; }

int ScaleToDpi(int designPixels, int dpi);
int ScaleToDpi(DesignLength length, int dpi);
int ItemHeightAtDpi(DesignLength itemHeight, int dpi);

}  // namespace ui
