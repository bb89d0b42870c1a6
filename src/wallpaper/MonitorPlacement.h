// Where each monitor's picture goes in a wallpaper composed for the whole virtual screen, and
// which picture suits which monitor. Needs no Windows.
#pragma once

#include <string>
#include <vector>

#include "pictures/BgrPixels.h"
#include "platform/WallpaperStyle.h"

namespace wallpaper {

using pictures::BgrPixels;
using pictures::PicturePart;
using pictures::PixelRect;

struct Monitor {
  std::string device;  // the name Windows gives it, as "\\.\DISPLAY1"
  PixelRect area;      // in the virtual screen's pixels
  bool primary = false;
};

// The monitors' layout as one text, "\\.\DISPLAY1 0 0 1280 1024;...": a composed wallpaper is
// laid out for it, and is laid out again when the monitors' differs.
std::string LayoutText(const std::vector<Monitor>& monitors);

// The order monitors take their pictures in: the primary first, then the others by left edge,
// then by top edge.
void OrderMonitors(std::vector<Monitor>& monitors);

// Where a picture of `pictureWidth` x `pictureHeight` is drawn on a monitor of `width` x
// `height`, relative to the monitor's corner; what reaches past the monitor is cropped. Tile
// gives the picture's own size at the corner, from which it repeats; no style places as Center.
PixelRect PlaceOnMonitor(platform::TWallpaperStyle style, int pictureWidth, int pictureHeight, int width,
                         int height);

// How many columns (rows) a tiled wallpaper's bitmap is turned by, so that the primary monitor's
// corner, where older Windows anchor the tiles, is the bitmap's first: the positive remainder of
// minus the virtual screen's offset (`origin`, 0 or less) by its size.
int TileShift(int origin, int size);

// Whether a picture's shape suits a monitor's: a portrait picture a monitor taller than wide, a
// landscape one a wider monitor; a square picture or monitor suits any.
bool SuitsMonitor(int pictureWidth, int pictureHeight, int monitorWidth, int monitorHeight);

// The monitor a point of the virtual screen is on; off every monitor, the nearest, as Windows
// takes it. None when there are no monitors.
const Monitor* MonitorAt(const std::vector<Monitor>& monitors, int x, int y);

}  // namespace wallpaper
