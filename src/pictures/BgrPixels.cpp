#include "pictures/BgrPixels.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>

#include "pictures/BitmapFormat.h"
#include "platform/Exceptions.h"

namespace pictures {
namespace {

// Shares in fixed point: a drawn pixel's shares add up to exactly kOne.
constexpr int kShareBits = 14;
constexpr std::int32_t kOne = 1 << kShareBits;
// Rows scaled across keep 6 bits below the byte, for the second pass.
constexpr int kAcrossBits = 6;

// The picture's pixels under each drawn pixel and their shares, one run after the other: drawn
// pixel i takes shares [first[i], first[i + 1]).
struct Shares {
  std::vector<std::size_t> first;
  std::vector<int> index;
  std::vector<std::int32_t> weight;
};

// For each drawn coordinate in [from, to) of a side `pictureSize` long drawn `drawnSize` long
// from `drawnStart`: the picture's coordinates under it and their shares. Shrunk, each drawn
// pixel averages the picture's pixels it covers, by how much of each it covers; enlarged, it
// blends the two nearest. Of a part, the coordinates count from `partStart`, within its
// `partSize`.
Shares SharesOf(int pictureSize, int partStart, int partSize, int drawnStart, int drawnSize, int from, int to) {
  const double scale = static_cast<double>(pictureSize) / drawnSize;
  const auto at = [=](int i) { return std::clamp(i, partStart, partStart + partSize - 1) - partStart; };
  Shares shares;
  std::vector<std::pair<int, double>> pixel;
  for (int drawn = from; drawn < to; ++drawn) {
    pixel.clear();
    if (scale > 1) {
      const double begin = (drawn - drawnStart) * scale, end = begin + scale;
      for (int i = static_cast<int>(std::floor(begin)); i < static_cast<int>(std::ceil(end)); ++i) {
        const double covered = std::min(end, i + 1.0) - std::max(begin, static_cast<double>(i));
        if (covered > 0) pixel.emplace_back(at(i), covered / scale);
      }
    } else {
      const double centre = (drawn - drawnStart + 0.5) * scale - 0.5;
      const int below = static_cast<int>(std::floor(centre));
      pixel = {{at(below), 1 - (centre - below)}, {at(below + 1), centre - below}};
    }
    const std::size_t first = shares.index.size();
    shares.first.push_back(first);
    std::int32_t given = 0;
    for (const auto& [index, share] : pixel) {
      shares.index.push_back(index);
      shares.weight.push_back(static_cast<std::int32_t>(std::lround(share * kOne)));
      given += shares.weight.back();
    }
    // The rounding left over goes to the largest share: a sliver's would turn negative.
    const auto largest =
        std::max_element(shares.weight.begin() + static_cast<std::ptrdiff_t>(first), shares.weight.end());
    *largest += kOne - given;
  }
  shares.first.push_back(shares.index.size());
  return shares;
}

// Rows of pixels wherever they are kept, `stride` bytes apart.
template <typename Byte>
struct RowsOf {
  Byte* first;
  std::size_t stride;
  int width;
  int height;
  Byte* Row(int y) const { return first + static_cast<std::size_t>(y) * stride; }
};

// Rows [from, to) of `drawn` from the picture's rows, each picture row scaled across once and
// kept while drawn rows use it.
template <int Channels>
void DrawRows(const RowsOf<const std::uint8_t>& picture, const Shares& columns, const Shares& rows, int from, int to,
              const PixelRect& drawn, const RowsOf<std::uint8_t>& canvas) {
  const std::size_t rowValues = static_cast<std::size_t>(drawn.width) * Channels;
  std::deque<std::pair<int, std::vector<std::uint16_t>>> across;  // picture rows scaled across, by row
  const auto scaledAcross = [&](int pictureRow) -> const std::vector<std::uint16_t>& {
    for (const auto& [row, values] : across)
      if (row == pictureRow) return values;
    std::vector<std::uint16_t> values(rowValues);
    const std::uint8_t* source = picture.Row(pictureRow);
    for (std::size_t x = 0, at = 0; x + 1 < columns.first.size(); ++x, at += Channels) {
      std::int32_t sum[Channels] = {};
      for (std::size_t share = columns.first[x]; share < columns.first[x + 1]; ++share) {
        const std::uint8_t* pixel = source + static_cast<std::size_t>(columns.index[share]) * Channels;
        const std::int32_t weight = columns.weight[share];
        for (int c = 0; c < Channels; ++c) sum[c] += weight * pixel[c];
      }
      for (int c = 0; c < Channels; ++c)
        values[at + c] = static_cast<std::uint16_t>(std::clamp(
            (sum[c] + (1 << (kShareBits - kAcrossBits - 1))) >> (kShareBits - kAcrossBits), 0, 255 << kAcrossBits));
    }
    across.emplace_back(pictureRow, std::move(values));
    return across.back().second;
  };

  std::vector<std::int32_t> sum(rowValues);
  for (int y = from; y < to; ++y) {
    const std::size_t firstShare = rows.first[static_cast<std::size_t>(y)];
    const std::size_t endShare = rows.first[static_cast<std::size_t>(y) + 1];
    // Rows above the first one still needed go: the rows needed only move down.
    while (!across.empty() && across.front().first < rows.index[firstShare]) across.pop_front();
    std::fill(sum.begin(), sum.end(), 0);
    for (std::size_t share = firstShare; share < endShare; ++share) {
      const std::vector<std::uint16_t>& values = scaledAcross(rows.index[share]);
      const std::int32_t weight = rows.weight[share];
      for (std::size_t i = 0; i < rowValues; ++i) sum[i] += weight * values[i];
    }
    constexpr int kBits = kShareBits + kAcrossBits;
    std::uint8_t* out = canvas.Row(drawn.top + y) + static_cast<std::size_t>(drawn.left) * Channels;
    for (std::size_t i = 0; i < rowValues; ++i)
      out[i] = static_cast<std::uint8_t>(std::clamp((sum[i] + (1 << (kBits - 1))) >> kBits, 0, 255));
  }
}

// The rows of a picture's part (`picture`, lying at `part`'s corner of a picture of `part`'s
// size) drawn scaled to `target` where it lies within `clip` and the canvas: the drawn rows in
// bands, one a processor (a wallpaper is drawn while nothing else runs).
template <int Channels>
void DrawScaledRows(const RowsOf<const std::uint8_t>& picture, const PixelRect& part, const PixelRect& target,
                    const PixelRect& clip, const RowsOf<std::uint8_t>& canvas) {
  const PixelRect drawn = Intersection(Intersection(target, clip), {0, 0, canvas.width, canvas.height});
  if (drawn.width == 0 || drawn.height == 0 || picture.width == 0 || picture.height == 0) return;
  const Shares columns =
      SharesOf(part.width, part.left, picture.width, target.left, target.width, drawn.left, drawn.Right());
  const Shares rows =
      SharesOf(part.height, part.top, picture.height, target.top, target.height, drawn.top, drawn.Bottom());
  const int bands = drawn.height < 64 ? 1 : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
  std::vector<std::exception_ptr> failed(static_cast<std::size_t>(bands));
  const auto drawBand = [&](int band) {
    try {
      DrawRows<Channels>(picture, columns, rows, drawn.height * band / bands, drawn.height * (band + 1) / bands, drawn,
                         canvas);
    } catch (...) {
      failed[static_cast<std::size_t>(band)] = std::current_exception();  // out of memory: raised below
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(bands));
  int band = 1;
  try {
    for (; band < bands; ++band) helpers.emplace_back(drawBand, band);
  } catch (const std::system_error&) {
    // No thread to be had: the bands left are drawn here.
  }
  for (; band < bands; ++band) drawBand(band);
  drawBand(0);
  for (std::thread& helper : helpers) helper.join();
  for (const std::exception_ptr& failure : failed)
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const int right = std::min(a.Right(), b.Right()), bottom = std::min(a.Bottom(), b.Bottom());
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

BgrPixels::BgrPixels(int width, int height, std::uint32_t rgb)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      stride_((static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3}) {
  if (stride_ * static_cast<std::size_t>(height_) > pictures::kMaxPixelBytes)
    throw platform::EOutOfResources("Out of memory");
  // Written once, not cleared first: a composed wallpaper is large.
  bytes_ = std::make_unique_for_overwrite<std::uint8_t[]>(stride_ * static_cast<std::size_t>(height_));
  if (height_ == 0) return;
  std::fill_n(Row(0) + width_ * 3, stride_ - static_cast<std::size_t>(width_) * 3, std::uint8_t{0});
  Fill({0, 0, width_, height_}, rgb);
}

void BgrPixels::Fill(const PixelRect& area, std::uint32_t rgb) {
  const PixelRect inside = Intersection(area, {0, 0, width_, height_});
  const std::array<std::uint8_t, 3> bgr = BgrOf(rgb);
  if (inside.width == 0 || inside.height == 0) return;
  std::uint8_t* first = Row(inside.top) + inside.left * 3;
  for (int x = 0; x < inside.width; ++x) std::copy(bgr.begin(), bgr.end(), first + x * 3);
  // The first row's padding too, when the area is whole rows.
  const std::size_t copied = inside.left == 0 && inside.width == width_ ? stride_ : inside.width * 3u;
  for (int y = inside.top + 1; y < inside.Bottom(); ++y) std::copy_n(first, copied, Row(y) + inside.left * 3);
}

void BgrPixels::Turn(int columns, int rows) {
  if (width_ == 0 || height_ == 0) return;
  columns = ((columns % width_) + width_) % width_;
  rows = ((rows % height_) + height_) % height_;
  for (int y = 0; y < height_; ++y) std::rotate(Row(y), Row(y) + columns * 3, Row(y) + width_ * 3);
  std::rotate(Row(0), Row(rows), Row(height_));
}

PicturePart WholePicture(BgrPixels pixels) {
  const int width = pixels.Width(), height = pixels.Height();
  return {std::move(pixels), 0, 0, width, height};
}

void DrawScaled(const PicturePart& part, const PixelRect& target, const PixelRect& clip, BgrPixels& canvas) {
  const BgrPixels& picture = part.pixels;
  DrawScaledRows<3>({picture.Row(0), picture.Stride(), picture.Width(), picture.Height()},
                    {part.left, part.top, part.width, part.height}, target, clip,
                    {canvas.Row(0), canvas.Stride(), canvas.Width(), canvas.Height()});
}

std::vector<std::uint8_t> ScaledBgra(std::span<const std::uint8_t> bgra, int width, int height, int drawnWidth,
                                     int drawnHeight) {
  std::vector<std::uint8_t> drawn(static_cast<std::size_t>(std::max(drawnWidth, 0)) * std::max(drawnHeight, 0) * 4);
  const std::size_t stride = static_cast<std::size_t>(width) * 4;
  if (bgra.size() < stride * static_cast<std::size_t>(std::max(height, 0))) return drawn;
  const PixelRect all = {0, 0, drawnWidth, drawnHeight};
  DrawScaledRows<4>({bgra.data(), stride, width, height}, {0, 0, width, height}, all, all,
                    {drawn.data(), static_cast<std::size_t>(drawnWidth) * 4, drawnWidth, drawnHeight});
  return drawn;
}

std::pair<int, int> ResampledReach(int pictureSize, int drawnStart, int drawnSize, int from, int to) {
  if (pictureSize <= 0 || drawnSize <= 0 || to <= from) return {0, 0};
  const Shares shares = SharesOf(pictureSize, 0, pictureSize, drawnStart, drawnSize, from, to);
  const auto [first, last] = std::minmax_element(shares.index.begin(), shares.index.end());
  return {*first, *last + 1};
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

}  // namespace pictures
