#include "wallpaper/MonitorPlacement.h"

#include <algorithm>
#include <cstdint>

namespace wallpaper {
namespace {

using platform::TWallpaperStyle;

// `value` × `numerator` / `denominator`, rounded to the nearest whole; a pixel at least, so that
// a very long, thin picture still shows.
int Scaled(int value, int numerator, int denominator) {
  return std::max(
      1, static_cast<int>((std::int64_t{value} * numerator * 2 + denominator) / (std::int64_t{denominator} * 2)));
}

// The picture scaled to the monitor's width, or height, its shape kept, and centred.
PixelRect CentredAtWidth(int pictureWidth, int pictureHeight, int width, int height) {
  const int scaledHeight = Scaled(pictureHeight, width, pictureWidth);
  return {0, (height - scaledHeight) / 2, width, scaledHeight};
}
PixelRect CentredAtHeight(int pictureWidth, int pictureHeight, int width, int height) {
  const int scaledWidth = Scaled(pictureWidth, height, pictureHeight);
  return {(width - scaledWidth) / 2, 0, scaledWidth, height};
}

}  // namespace

std::string LayoutText(const std::vector<Monitor>& monitors) {
  std::string text;
  for (const Monitor& monitor : monitors) {
    if (!text.empty()) text += ';';
    text += monitor.device;
    for (const int number : {monitor.area.left, monitor.area.top, monitor.area.width, monitor.area.height})
      text += " " + std::to_string(number);
  }
  return text;
}

void OrderMonitors(std::vector<Monitor>& monitors) {
  std::stable_sort(monitors.begin(), monitors.end(), [](const Monitor& a, const Monitor& b) {
    if (a.primary != b.primary) return a.primary;
    if (a.area.left != b.area.left) return a.area.left < b.area.left;
    return a.area.top < b.area.top;
  });
}

PixelRect PlaceOnMonitor(TWallpaperStyle style, int pictureWidth, int pictureHeight, int width, int height) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return {};
  // Wider than the monitor, shape for shape: its width decides Fit, its height Fill.
  const bool widerShape = std::int64_t{pictureWidth} * height >= std::int64_t{pictureHeight} * width;
  switch (style) {
    case TWallpaperStyle::wsTile:
      return {0, 0, pictureWidth, pictureHeight};
    case TWallpaperStyle::wsStretch:
      return {0, 0, width, height};
    case TWallpaperStyle::wsFill:
      return widerShape ? CentredAtHeight(pictureWidth, pictureHeight, width, height)
                        : CentredAtWidth(pictureWidth, pictureHeight, width, height);
    case TWallpaperStyle::wsFit:
      return widerShape ? CentredAtWidth(pictureWidth, pictureHeight, width, height)
                        : CentredAtHeight(pictureWidth, pictureHeight, width, height);
    default:
      return {(width - pictureWidth) / 2, (height - pictureHeight) / 2, pictureWidth, pictureHeight};
  }
}

int TileShift(int origin, int size) {
  if (size <= 0) return 0;
  const int shift = -origin % size;
  return shift < 0 ? shift + size : shift;
}

bool SuitsMonitor(int pictureWidth, int pictureHeight, int monitorWidth, int monitorHeight) {
  if (pictureWidth == pictureHeight || monitorWidth == monitorHeight) return true;
  return (pictureHeight > pictureWidth) == (monitorHeight > monitorWidth);
}

const Monitor* MonitorAt(const std::vector<Monitor>& monitors, int x, int y) {
  // The squared distance from the point to the area, 0 inside it (its right and bottom edges are
  // outside).
  const auto distance = [x, y](const PixelRect& area) {
    const long long dx = x < area.left ? area.left - x : x >= area.Right() ? x - area.Right() + 1 : 0;
    const long long dy = y < area.top ? area.top - y : y >= area.Bottom() ? y - area.Bottom() + 1 : 0;
    return dx * dx + dy * dy;
  };
  const Monitor* nearest = nullptr;
  for (const Monitor& monitor : monitors)
    if (!nearest || distance(monitor.area) < distance(nearest->area)) nearest = &monitor;
  return nearest;
}

}  // namespace wallpaper
