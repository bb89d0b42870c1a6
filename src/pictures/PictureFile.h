// A picture file as the composed wallpaper reads it, opened once: its kind learned from its first
// bytes, its size from its header, and only the part that shows decoded, a JPEG at the smallest of its
// decoder's fast scales that still gives the placed size. A picture of the imaging component's
// kinds is decoded once, by the helper, laid over the background colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pictures/BgrPixels.h"
#include "pictures/DecodeHelper.h"
#include "pictures/PictureHeader.h"
#include "platform/Files.h"

namespace pictures {

// The size a picture file's header gives, reading a few bytes; for a kind of the imaging
// component's whose header the program does not read, a helper's answer while `helperAsks`
// lasts (each ask starts a process and takes one). Nothing when neither gives one. Fails as
// opening the file fails.
std::optional<PictureSize> PictureFileSize(const std::string& path, int& helperAsks);

class PictureFile {
 public:
  // Opens the file and reads its first bytes; fails as reading the file fails. A helper's decode
  // is waited for as `wait` says.
  PictureFile(const std::string& path, std::uint32_t background, HelperWait wait);

  // The header's size (for a JPEG whose header the program cannot read, the decoder's); for a kind
  // of the imaging component's, the decoded picture's. 0 x 0 when neither gives one.
  PictureSize Size();
  // The whole picture at its size, handed over: a decoded one is not kept.
  BgrPixels Pixels();
  // What a drawing over `placed` needs where `visible` (within it) shows. Fails as decoding fails.
  PicturePart PartShown(const PixelRect& placed, const PixelRect& visible);

 private:
  enum class Kind { jpeg, bitmap, imagingComponent };
  const std::vector<std::uint8_t>& Bytes();
  BgrPixels& Decoded();

  std::string path_;
  std::uint32_t background_;
  HelperWait wait_;
  platform::FileReader file_;
  Kind kind_;
  std::optional<std::vector<std::uint8_t>> bytes_;
  std::optional<BgrPixels> decoded_;
};

}  // namespace pictures
