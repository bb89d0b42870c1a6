// The imaging component that the main window hosts, invisibly, to write a picture the preview
// does not hold as a bitmap: it takes a picture by its path and saves it as a 24-bit bitmap file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pictures/DecodeHelper.h"

namespace wallpaper {

class TImagN {
 public:
  // Takes the picture at the path (a JPEG or a bitmap file, told apart by their content when
  // saved). Fails when the file cannot be read.
  void SetFilename(const std::wstring& path);
  // Names the picture it holds; 0 before the first one.
  std::int32_t ViewBufferId() const { return bufferId_; }
  // Writes picture `id` as a 24-bit bitmap file at the path, replacing any file there only once
  // the whole file was written (not flushed: it is made again at the next change); a picture of
  // another kind this PC decodes over the desktop's colour. Fails for another id, a file that is
  // no picture of those kinds, or a target that cannot be written. The last two arguments are
  // unused. Returns 0.
  std::int32_t SaveBuffer(std::int32_t id, const std::wstring& path, std::int32_t, bool);
  // How SaveBuffer waits for a picture decoded by a helper.
  void SetHelperWait(pictures::HelperWait wait) { helperWait_ = wait; }

 private:
  std::vector<std::uint8_t> picture_;
  std::string picturePath_;
  std::int32_t bufferId_ = 0;
  pictures::HelperWait helperWait_ = pictures::HelperWait::kBlocking;
};

}  // namespace wallpaper
