#include "wallpaper/ComposedWallpaper.h"

#include <windows.h>

#include <versionhelpers.h>

#include "pictures/PictureFile.h"

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
                        std::uint32_t background, pictures::HelperWait wait, BgrPixels& canvas) {
  pictures::PictureFile file(picture.picturePath, background, wait);
  if (style == TWallpaperStyle::wsTile) {
    DrawTiled(file.Pixels(), onCanvas, canvas);
    return;
  }
  const pictures::PictureSize size = file.Size();
  const PixelRect placed = PlaceOnMonitor(style, size.width, size.height, onCanvas.width, onCanvas.height);
  const PixelRect visible = Intersection(placed, {0, 0, onCanvas.width, onCanvas.height});
  DrawScaled(file.PartShown(placed, visible), Offset(placed, onCanvas.left, onCanvas.top), onCanvas, canvas);
}

}  // namespace

BgrPixels ComposeWallpaper(const std::vector<MonitorPicture>& pictures, TWallpaperStyle style,
                           const PixelRect& virtualScreen, std::uint32_t background, bool spanned,
                           pictures::HelperWait wait) {
  BgrPixels canvas(virtualScreen.width, virtualScreen.height, background);
  for (const MonitorPicture& picture : pictures)
    DrawMonitorPicture(picture, style, Offset(picture.monitor.area, -virtualScreen.left, -virtualScreen.top),
                       background, wait, canvas);
  if (!spanned)
    canvas.Turn(TileShift(virtualScreen.left, virtualScreen.width), TileShift(virtualScreen.top, virtualScreen.height));
  return canvas;
}

bool SystemSpansWallpapers() { return ::IsWindows8OrGreater(); }

}  // namespace wallpaper
