// Where an image control draws its picture: at natural size in its top-left corner, shrunk to
// fit keeping the aspect ratio when proportional, stretched over it when asked, and centred.
#pragma once

namespace ui {

struct ImageRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ImageRect&) const = default;
};

struct ImageSizing {
  bool stretch = false;
  bool proportional = false;
  bool center = false;
};

ImageRect DestinationRect(int pictureWidth, int pictureHeight, int controlWidth, int controlHeight,
                          const ImageSizing& sizing);

}  // namespace ui
