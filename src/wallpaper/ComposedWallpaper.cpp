#include "wallpaper/ComposedWallpaper.h"

#include <windows.h>

#include <versionhelpers.h>

#include "pictures/DecodedPicture.h"
#include "pictures/DecodeHelper.h"
#include "pictures/WicDecoder.h"
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

// A picture of a kind the imaging component decodes, laid over the background.
BgrPixels DecodedOver(const std::string& picturePath, std::uint32_t background) {
  return pictures::OverColour(pictures::DecodeInHelper(picturePath).Picture(), background);
}

// The monitor's picture drawn into its rectangle of the canvas.
void DrawMonitorPicture(const MonitorPicture& picture, TWallpaperStyle style, const PixelRect& onCanvas,
                        std::uint32_t background, BgrPixels& canvas) {
  const std::vector<std::uint8_t> file = platform::ReadWholeFile(picture.picturePath);
  const bool ownKind = IsJpegFile(file) || IsBitmapFile(file);
  if (style == TWallpaperStyle::wsTile) {
    DrawTiled(ownKind ? PicturePixels(file) : DecodedOver(picture.picturePath, background), onCanvas, canvas);
    return;
  }
  PicturePart whole;
  if (!ownKind) whole = WholePicture(DecodedOver(picture.picturePath, background));
  const pictures::PictureSize size = ownKind ? pictures::PictureHeaderSize(file).value_or(pictures::PictureSize{})
                                             : pictures::PictureSize{whole.width, whole.height};
  const PixelRect placed = PlaceOnMonitor(style, size.width, size.height, onCanvas.width, onCanvas.height);
  const PixelRect visible = Intersection(placed, {0, 0, onCanvas.width, onCanvas.height});
  DrawScaled(ownKind ? PicturePartShown(file, placed, visible) : std::move(whole),
             Offset(placed, onCanvas.left, onCanvas.top), onCanvas, canvas);
}

}  // namespace

BgrPixels ComposeWallpaper(const std::vector<MonitorPicture>& pictures, TWallpaperStyle style,
                           const PixelRect& virtualScreen, std::uint32_t background, bool spanned) {
  BgrPixels canvas(virtualScreen.width, virtualScreen.height, background);
  for (const MonitorPicture& picture : pictures)
    DrawMonitorPicture(picture, style, Offset(picture.monitor.area, -virtualScreen.left, -virtualScreen.top),
                       background, canvas);
  if (!spanned)
    canvas.Turn(TileShift(virtualScreen.left, virtualScreen.width), TileShift(virtualScreen.top, virtualScreen.height));
  return canvas;
}

bool SystemSpansWallpapers() { return ::IsWindows8OrGreater(); }

}  // namespace wallpaper
