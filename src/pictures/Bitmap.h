// The bitmap picture kind: a Windows BMP file made into a drawable bitmap, and saved back.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "pictures/BitmapFormat.h"
#include "ui/GdiHandles.h"
#include "ui/Graphic.h"

namespace pictures {

class TBitmap : public ui::TGraphic {
 public:
  int Width() const override;
  int Height() const override;
  bool Empty() const { return !handle_; }

  // The file's bytes; none give an empty bitmap. Errors as ParseBitmap, or the system's error
  // (else "Bitmap image is not valid") when the bitmap cannot be made.
  void LoadFromBytes(std::span<const std::uint8_t> file);
  // Fails with "Cannot open file %s".
  void LoadFromFile(const std::string& path) override;
  // Hands `write` the bitmap in the layout it saves in, part after part, straight from where it
  // is held: a compressed file as it was read, else the headers and the rows; nothing for an
  // empty bitmap.
  void WriteFile(const std::function<void(std::span<const std::uint8_t>)>& write) const;
  void Draw(ui::TCanvas& canvas, const RECT& target) override;

  HBITMAP Handle() const { return handle_.Get(); }
  HPALETTE Palette() const { return palette_.Get(); }
  const BitmapFormat& Format() const { return format_; }

 private:
  // Nothing held, the format given.
  void Reset(const BitmapFormat& format);
  void MakeDibSection(const ParsedBitmap& parsed);
  void MakeDisplayBitmap(const ParsedBitmap& parsed);
  void MakePalette();

  BitmapFormat format_;
  ui::BitmapHandle handle_;
  ui::PaletteHandle palette_;
  std::uint8_t* rows_ = nullptr;            // the DIB section's pixel rows
  std::vector<std::uint8_t> compressedFile_;  // a compressed file, saved back byte for byte
};

}  // namespace pictures
