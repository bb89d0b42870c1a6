#include "ui/Font.h"

namespace ui {

TFont::TFont(std::string name, int sizeInPoints, TColor color, unsigned styles, BYTE charset)
    : name_(std::move(name)), size_(sizeInPoints), color_(color), styles_(styles), charset_(charset) {}

TFont::TFont(const TFont& other)
    : name_(other.name_), size_(other.size_), color_(other.color_), styles_(other.styles_),
      charset_(other.charset_) {}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) {
    name_ = other.name_;
    size_ = other.size_;
    color_ = other.color_;
    styles_ = other.styles_;
    charset_ = other.charset_;
    Changed();
  }
  return *this;
}

int TFont::Height() const {
  HDC screen = ::GetDC(nullptr);
  const int pixelsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return -::MulDiv(size_, pixelsPerInch, 72);
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
void TFont::SetCharset(BYTE charset) {
  charset_ = charset;
  Changed();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA spec = {};
    spec.lfHeight = Height();
    spec.lfWeight = (styles_ & fsBold) ? FW_BOLD : FW_NORMAL;
    spec.lfItalic = (styles_ & fsItalic) ? TRUE : FALSE;
    spec.lfUnderline = (styles_ & fsUnderline) ? TRUE : FALSE;
    spec.lfStrikeOut = (styles_ & fsStrikeOut) ? TRUE : FALSE;
    spec.lfCharSet = charset_;
    spec.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(spec.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(::CreateFontIndirectA(&spec));
  }
  return handle_.Get();
}

}  // namespace ui
