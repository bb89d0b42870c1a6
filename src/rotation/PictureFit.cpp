#include "rotation/PictureFit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "wallpaper/MonitorPlacement.h"

namespace rotation {
namespace {

// The smaller of the picture's shares of the area's width and height.
double ShareOfArea(const pictures::PictureSize& size, const FitRules& rules) {
  return std::min(static_cast<double>(size.width) / std::max(rules.width, 1),
                  static_cast<double>(size.height) / std::max(rules.height, 1));
}

// A candidate's size when it counts.
std::optional<pictures::PictureSize> SizeOf(const Candidates& candidates, const FitRules& rules, std::size_t i) {
  return rules.MeasuresPictures() ? candidates.size(i) : std::nullopt;
}

}  // namespace

bool LargeEnough(const std::optional<pictures::PictureSize>& size, const FitRules& rules) {
  const auto reaches = [&](int picture, int area) {
    return std::int64_t{picture} * 100 >= std::int64_t{area} * rules.smallestPart;
  };
  return !size || (reaches(size->width, rules.width) && reaches(size->height, rules.height));
}

bool OfShape(const std::optional<pictures::PictureSize>& size, const FitRules& rules) {
  return size && wallpaper::SuitsMonitor(size->width, size->height, rules.width, rules.height);
}

std::optional<std::size_t> FirstFitting(const Candidates& candidates, const FitRules& rules, bool shapeOnly) {
  const auto fits = [&](std::size_t i) {
    const std::optional<pictures::PictureSize> size = SizeOf(candidates, rules, i);
    return LargeEnough(size, rules) && (!shapeOnly || OfShape(size, rules)) && candidates.available(i);
  };
  if (rules.prefersShape && !shapeOnly)
    for (std::size_t i = 0; i < std::min(candidates.count, kShapeLookAhead); ++i)
      if (OfShape(SizeOf(candidates, rules, i), rules) && fits(i)) return i;
  for (std::size_t i = 0; i < candidates.count; ++i)
    if (fits(i)) return i;
  return std::nullopt;
}

bool TakesOnlyItsShape(const Candidates& candidates, const FitRules& rules) {
  for (std::size_t i = 0; rules.sameShape && i < candidates.count; ++i)
    if (OfShape(SizeOf(candidates, rules, i), rules) && candidates.available(i)) return true;
  return false;
}

std::optional<std::size_t> Largest(const Candidates& candidates, const FitRules& rules, bool shapeOnly) {
  std::vector<std::pair<double, std::size_t>> bySize;
  for (std::size_t i = 0; i < candidates.count; ++i)
    if (const std::optional<pictures::PictureSize> size = SizeOf(candidates, rules, i);
        size && (!shapeOnly || OfShape(size, rules)))
      bySize.emplace_back(-ShareOfArea(*size, rules), i);
  std::ranges::sort(bySize);
  for (const auto& [share, i] : bySize)
    if (candidates.available(i)) return i;
  return std::nullopt;
}

std::optional<std::size_t> BestFitting(const Candidates& candidates, const FitRules& rules) {
  const bool shapeOnly = TakesOnlyItsShape(candidates, rules);
  if (const std::optional<std::size_t> first = FirstFitting(candidates, rules, shapeOnly)) return first;
  return Largest(candidates, rules, shapeOnly);
}

}  // namespace rotation
