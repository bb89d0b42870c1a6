#include "wallpaper/BgrPixels.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <utility>

#include "pictures/BitmapFormat.h"
#include "platform/Exceptions.h"

namespace wallpaper {
namespace {

// One picture pixel's share in a drawn pixel.
struct Tap {
  int index;
  float weight;
};

// For each drawn coordinate in [from, to) of a side drawn `drawnSize` long from `drawnStart`:
// the picture's coordinates under it and their shares. Shrunk, each drawn pixel averages the
// picture's pixels it covers, by how much of each it covers; enlarged, it blends the two nearest.
std::vector<std::vector<Tap>> TapsOf(int pictureSize, int drawnStart, int drawnSize, int from, int to) {
  const double scale = static_cast<double>(pictureSize) / drawnSize;
  const auto at = [pictureSize](int i) { return std::clamp(i, 0, pictureSize - 1); };
  std::vector<std::vector<Tap>> taps;
  taps.reserve(static_cast<std::size_t>(std::max(to - from, 0)));
  for (int drawn = from; drawn < to; ++drawn) {
    std::vector<Tap> shares;
    if (scale > 1) {
      const double begin = (drawn - drawnStart) * scale, end = begin + scale;
      for (int i = static_cast<int>(std::floor(begin)); i < static_cast<int>(std::ceil(end)); ++i) {
        const double covered = std::min(end, i + 1.0) - std::max(begin, static_cast<double>(i));
        if (covered > 0) shares.push_back({at(i), static_cast<float>(covered / scale)});
      }
    } else {
      const double centre = (drawn - drawnStart + 0.5) * scale - 0.5;
      const int below = static_cast<int>(std::floor(centre));
      const auto above = static_cast<float>(centre - below);
      shares = {{at(below), 1 - above}, {at(below + 1), above}};
    }
    taps.push_back(std::move(shares));
  }
  return taps;
}

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const int right = std::min(a.Right(), b.Right()), bottom = std::min(a.Bottom(), b.Bottom());
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

std::uint8_t Byte(float value) { return static_cast<std::uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f)); }

}  // namespace

BgrPixels::BgrPixels(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), stride_((static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3}) {
  if (stride_ * static_cast<std::size_t>(height_) > pictures::kMaxPixelBytes)
    throw platform::EOutOfResources("Out of memory");
  bytes_.assign(stride_ * static_cast<std::size_t>(height_), 0);
}

void BgrPixels::Fill(const PixelRect& area, std::uint32_t rgb) {
  const PixelRect inside = Intersection(area, {0, 0, width_, height_});
  const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                               static_cast<std::uint8_t>(rgb)};
  for (int y = inside.top; y < inside.Bottom(); ++y)
    for (int x = inside.left; x < inside.Right(); ++x) std::copy(bgr, bgr + 3, Row(y) + x * 3);
}

void BgrPixels::Turn(int columns, int rows) {
  if (width_ == 0 || height_ == 0) return;
  columns = ((columns % width_) + width_) % width_;
  rows = ((rows % height_) + height_) % height_;
  for (int y = 0; y < height_; ++y) std::rotate(Row(y), Row(y) + columns * 3, Row(y) + width_ * 3);
  std::rotate(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(stride_) * rows, bytes_.end());
}

// Separable: each picture row needed is scaled across once and kept while drawn rows use it.
void DrawScaled(const BgrPixels& picture, const PixelRect& target, const PixelRect& clip, BgrPixels& canvas) {
  const PixelRect drawn = Intersection(Intersection(target, clip), {0, 0, canvas.Width(), canvas.Height()});
  if (drawn.width == 0 || drawn.height == 0 || picture.Width() == 0 || picture.Height() == 0) return;
  const auto columns = TapsOf(picture.Width(), target.left, target.width, drawn.left, drawn.Right());
  const auto rows = TapsOf(picture.Height(), target.top, target.height, drawn.top, drawn.Bottom());

  const std::size_t rowFloats = static_cast<std::size_t>(drawn.width) * 3;
  std::deque<std::pair<int, std::vector<float>>> across;  // picture rows scaled across, by row
  const auto scaledAcross = [&](int pictureRow) -> const std::vector<float>& {
    for (const auto& [row, values] : across)
      if (row == pictureRow) return values;
    std::vector<float> values(rowFloats, 0.0f);
    const std::uint8_t* source = picture.Row(pictureRow);
    for (std::size_t x = 0; x < columns.size(); ++x)
      for (const Tap& tap : columns[x])
        for (int c = 0; c < 3; ++c) values[x * 3 + c] += tap.weight * source[tap.index * 3 + c];
    across.emplace_back(pictureRow, std::move(values));
    return across.back().second;
  };

  std::vector<float> sum(rowFloats);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    // Rows above the first one still needed go: the rows needed only move down.
    while (!across.empty() && across.front().first < rows[y].front().index) across.pop_front();
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (const Tap& tap : rows[y]) {
      const std::vector<float>& values = scaledAcross(tap.index);
      for (std::size_t i = 0; i < rowFloats; ++i) sum[i] += tap.weight * values[i];
    }
    std::uint8_t* out = canvas.Row(drawn.top + static_cast<int>(y)) + drawn.left * 3;
    for (std::size_t i = 0; i < rowFloats; ++i) out[i] = Byte(sum[i]);
  }
}

void DrawTiled(const BgrPixels& picture, const PixelRect& area, BgrPixels& canvas) {
  const PixelRect drawn = Intersection(area, {0, 0, canvas.Width(), canvas.Height()});
  if (picture.Width() == 0 || picture.Height() == 0) return;
  for (int y = drawn.top; y < drawn.Bottom(); ++y) {
    const std::uint8_t* source = picture.Row((y - area.top) % picture.Height());
    std::uint8_t* out = canvas.Row(y);
    for (int x = drawn.left; x < drawn.Right(); ++x)
      std::copy_n(source + ((x - area.left) % picture.Width()) * 3, 3, out + x * 3);
  }
}

}  // namespace wallpaper
