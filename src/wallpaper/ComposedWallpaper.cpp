#include "wallpaper/ComposedWallpaper.h"

#include <windows.h>

#include <versionhelpers.h>

#include <algorithm>

#include "platform/Files.h"
#include "wallpaper/PicturePixels.h"

namespace wallpaper {
namespace {

using platform::TWallpaperStyle;

PixelRect Offset(PixelRect rect, int dx, int dy) {
  rect.left += dx;
  rect.top += dy;
  return rect;
}

// The monitor's picture drawn into its rectangle of the canvas.
void DrawMonitorPicture(const MonitorPicture& picture, TWallpaperStyle style, const PixelRect& onCanvas,
                        BgrPixels& canvas) {
  const std::vector<std::uint8_t> file = platform::ReadWholeFile(picture.picturePath);
  if (style == TWallpaperStyle::wsTile) {
    DrawTiled(PicturePixels(file), onCanvas, canvas);
    return;
  }
  const PictureSize size = PictureFileSize(file).value_or(PictureSize{});
  const PixelRect placed = PlaceOnMonitor(style, size.width, size.height, onCanvas.width, onCanvas.height);
  const PixelRect visible = {std::max(placed.left, 0), std::max(placed.top, 0),
                             std::min(placed.Right(), onCanvas.width) - std::max(placed.left, 0),
                             std::min(placed.Bottom(), onCanvas.height) - std::max(placed.top, 0)};
  DrawScaled(PicturePartShown(file, placed, visible), Offset(placed, onCanvas.left, onCanvas.top), onCanvas, canvas);
}

}  // namespace

BgrPixels ComposeWallpaper(const std::vector<MonitorPicture>& pictures, TWallpaperStyle style,
                           const PixelRect& virtualScreen, std::uint32_t background, bool spanned) {
  BgrPixels canvas(virtualScreen.width, virtualScreen.height, background);
  for (const MonitorPicture& picture : pictures)
    DrawMonitorPicture(picture, style, Offset(picture.monitor.area, -virtualScreen.left, -virtualScreen.top),
                       canvas);
  if (!spanned)
    canvas.Turn(TileShift(virtualScreen.left, virtualScreen.width), TileShift(virtualScreen.top, virtualScreen.height));
  return canvas;
}

bool SystemSpansWallpapers() { return ::IsWindows8OrGreater(); }

}  // namespace wallpaper
