#include "rotation/Deck.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace rotation {
namespace {

void Shuffle(std::vector<std::uint32_t>& order, std::size_t from, const Draw& draw) {
  for (std::size_t i = order.size(); i > from + 1; --i) {
    const std::size_t j = from + draw(static_cast<std::uint32_t>(i - from));
    std::swap(order[i - 1], order[j]);
  }
}

}  // namespace

TDeck::TDeck(std::vector<std::uint32_t> order, std::size_t shown)
    : order_(std::move(order)), shown_(std::min(shown, order_.size())) {}

// Each of the first places that holds a picture of `notFirst` changes places with a later one at
// random that holds none.
TDeck TDeck::Dealt(std::uint32_t count, const std::vector<std::uint32_t>& notFirst, const Draw& draw) {
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0u);
  Shuffle(order, 0, draw);
  const auto shownLast = [&](std::uint32_t picture) { return std::ranges::count(notFirst, picture) > 0; };
  const std::size_t first = std::min<std::size_t>(notFirst.size(), count);
  std::vector<std::size_t> later;
  for (std::size_t place = first; place < count; ++place)
    if (!shownLast(order[place])) later.push_back(place);
  for (std::size_t place = 0; place < first && !later.empty(); ++place) {
    if (!shownLast(order[place])) continue;
    const std::size_t pick = draw(static_cast<std::uint32_t>(later.size()));
    std::swap(order[place], order[later[pick]]);
    later.erase(later.begin() + static_cast<std::ptrdiff_t>(pick));
  }
  return TDeck(std::move(order), 0);
}

// The pictures set out by their old places, in one array (the old deck may have held more; a
// place given twice, or far beyond any deck of the library's size, counts as added).
TDeck TDeck::Kept(const std::vector<std::uint32_t>& placeOf, std::size_t shown, const Draw& draw) {
  const std::size_t count = placeOf.size(), places = 16 * count + 16;
  std::uint32_t highest = 0;
  for (const std::uint32_t place : placeOf)
    if (place < places) highest = std::max(highest, place);
  std::vector<std::uint32_t> byPlace(count == 0 ? 0 : highest + std::size_t{1}, kNoPlace);
  std::vector<std::uint32_t> added;
  for (std::uint32_t picture = 0; picture < count; ++picture) {
    const std::uint32_t place = placeOf[picture];
    if (place < byPlace.size() && byPlace[place] == kNoPlace)
      byPlace[place] = picture;
    else
      added.push_back(picture);
  }
  std::vector<std::uint32_t> order;
  order.reserve(count);
  std::size_t shownNow = 0;
  for (std::size_t place = 0; place < byPlace.size(); ++place) {
    if (byPlace[place] == kNoPlace) continue;
    if (place < shown) ++shownNow;
    order.push_back(byPlace[place]);
  }
  byPlace = {};
  order.insert(order.end(), added.begin(), added.end());
  if (!added.empty()) Shuffle(order, shownNow, draw);
  return TDeck(std::move(order), shownNow);
}

std::optional<std::uint32_t> TDeck::Take(const PickPlace& pick, const std::vector<std::uint32_t>& notFirst,
                                         const Draw& draw) {
  const auto placeToTake = [&]() -> std::optional<std::size_t> {
    const std::optional<std::size_t> step = pick(std::span(order_).subspan(shown_));
    return step ? std::optional(shown_ + *step) : std::nullopt;
  };
  std::optional<std::size_t> place = placeToTake();
  if (!place) {
    *this = Dealt(static_cast<std::uint32_t>(order_.size()), notFirst, draw);
    place = placeToTake();
    if (!place) return std::nullopt;
  }
  std::swap(order_[*place], order_[shown_]);
  return order_[shown_++];
}

void TDeck::Shows(std::uint32_t picture) {
  const auto place = std::find(order_.begin() + static_cast<std::ptrdiff_t>(shown_), order_.end(), picture);
  if (place == order_.end()) return;
  std::iter_swap(place, order_.begin() + static_cast<std::ptrdiff_t>(shown_++));
}

}  // namespace rotation
