// A font description and the GDI font made from it on demand.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/Colors.h"
#include "ui/GdiHandles.h"

namespace ui {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
 public:
  TFont();
  TFont(std::string name, int sizeInPoints, TColor color = clWindowText, unsigned styles = 0,
        BYTE charset = DEFAULT_CHARSET);
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);

  const std::string& Name() const { return name_; }
  int Size() const { return size_; }
  TColor Color() const { return color_; }
  unsigned Styles() const { return styles_; }
  // Character height in pixels at the resolution it is drawn at, as a negative LOGFONT height.
  int Height() const;
  // The resolution of the screen it is drawn on: its owner's; the system's until told.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int dpi);

  void SetName(std::string name);
  void SetSize(int sizeInPoints);
  void SetColor(TColor color);
  void SetStyles(unsigned styles);

  HFONT Handle() const;
  // Runs after every change, so that whoever draws with the font can repaint.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int size_ = 8;
  TColor color_ = clWindowText;
  unsigned styles_ = 0;
  BYTE charset_ = DEFAULT_CHARSET;
  int pixelsPerInch_;
  mutable FontHandle handle_;
};

// "Comic Sans MS" in the ANSI character set, the face of the program's own forms.
inline TFont ComicSansFont(int sizeInPoints, TColor color = clWindowText, unsigned styles = 0) {
  return TFont("Comic Sans MS", sizeInPoints, color, styles, ANSI_CHARSET);
}

}  // namespace ui
