#include "ui/Font.h"

#include "ui/Dpi.h"

namespace ui {

TFont::TFont() : pixelsPerInch_(SystemDpi()) {}

TFont::TFont(std::string name, int sizeInPoints, TColor color, unsigned styles, BYTE charset)
    : name_(std::move(name)),
      size_(sizeInPoints),
      color_(color),
      styles_(styles),
      charset_(charset),
      pixelsPerInch_(SystemDpi()) {}

TFont::TFont(const TFont& other)
    : name_(other.name_),
      size_(other.size_),
      color_(other.color_),
      styles_(other.styles_),
      charset_(other.charset_),
      pixelsPerInch_(other.pixelsPerInch_) {}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) {
    name_ = other.name_;
    size_ = other.size_;
    color_ = other.color_;
    styles_ = other.styles_;
    charset_ = other.charset_;
    pixelsPerInch_ = other.pixelsPerInch_;
    Changed();
  }
  return *this;
}

int TFont::Height() const { return -::MulDiv(size_, pixelsPerInch_, 72); }

void TFont::SetPixelsPerInch(int dpi) {
  if (dpi == pixelsPerInch_) return;
  pixelsPerInch_ = dpi;
  Changed();
}

void TFont::SetName(std::string name) {
  name_ = std::move(name);
  Changed();
}
void TFont::SetSize(int sizeInPoints) {
  size_ = sizeInPoints;
  Changed();
}
void TFont::SetColor(TColor color) {
  color_ = color;
  Changed();
}
void TFont::SetStyles(unsigned styles) {
  styles_ = styles;
  Changed();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA layout = {};
    layout.lfHeight = Height();
    layout.lfWeight = (styles_ & fsBold) ? FW_BOLD : FW_NORMAL;
    layout.lfItalic = (styles_ & fsItalic) ? TRUE : FALSE;
    layout.lfUnderline = (styles_ & fsUnderline) ? TRUE : FALSE;
    layout.lfStrikeOut = (styles_ & fsStrikeOut) ? TRUE : FALSE;
    layout.lfCharSet = charset_;
    layout.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(layout.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(::CreateFontIndirectA(&layout));
  }
  return handle_.Get();
}

}  // namespace ui
