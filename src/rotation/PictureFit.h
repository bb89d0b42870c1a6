// Which picture an area (a monitor, or the one the picture for every monitor is measured by)
// takes of those it could: one large enough for it and, when the options ask, of its shape; failing
// that, the largest there is, so that the size never leaves it without a picture. Needs no Windows.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "pictures/PictureHeader.h"

namespace rotation {

// How far ahead of the next picture a monitor looks for one of its own shape, when it prefers one.
inline constexpr std::size_t kShapeLookAhead = 32;

struct FitRules {
  int width = 0;  // the area, in its pixels
  int height = 0;
  int smallestPart = 0;       // the percent of the area's width and of its height a picture must have
  bool sameShape = false;     // only pictures of the area's shape, while there are any
  bool prefersShape = false;  // else one of its shape among the next kShapeLookAhead, when there is one

  // Whether a picture's size counts at all: without, none is asked.
  bool MeasuresPictures() const { return smallestPart > 0 || sameShape || prefersShape; }
};

// A picture of no known size counts as large enough and of no shape (a square one is of both).
bool LargeEnough(const std::optional<pictures::PictureSize>& size, const FitRules& rules);
bool OfShape(const std::optional<pictures::PictureSize>& size, const FitRules& rules);

// Candidates looked at in turn: whether each can be taken (shown by no other monitor, there, not
// excluded), and its size. Sizes are asked first: they cost less.
struct Candidates {
  std::size_t count = 0;
  std::function<bool(std::size_t)> available;
  std::function<std::optional<pictures::PictureSize>(std::size_t)> size;
};

// Whether the area takes only pictures of its shape: the rules ask it, and one is available.
bool TakesOnlyItsShape(const Candidates& candidates, const FitRules& rules);
// The first available candidate large enough, and of the area's shape when `shapeOnly`, one of its
// shape first among the first kShapeLookAhead if the rules prefer it; none when no candidate is.
std::optional<std::size_t> FirstFitting(const Candidates& candidates, const FitRules& rules, bool shapeOnly);
// The available candidate of a known size (of the area's shape when `shapeOnly`) whose smaller
// share of the area is the largest, the first of those; none when none is.
std::optional<std::size_t> Largest(const Candidates& candidates, const FitRules& rules, bool shapeOnly);
// What the area takes: the first that fits, else the largest there is.
std::optional<std::size_t> BestFitting(const Candidates& candidates, const FitRules& rules);

}  // namespace rotation
