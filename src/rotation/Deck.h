// The shuffled deck the rotation deals from: every picture once, in random order, before any
// comes again, whatever the size of its folder. Pictures are numbers (their place in the
// library); the deck knows only their order and how far it has been shown. Needs no Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace rotation {

// A number in 0 ... range - 1.
using Draw = std::function<std::uint32_t(std::uint32_t range)>;

// How far ahead of the next picture a monitor looks for one of its own shape.
inline constexpr std::size_t kShapeLookAhead = 32;
// A picture that has no place in a deck.
inline constexpr std::uint32_t kNoPlace = UINT32_MAX;

class TDeck {
 public:
  TDeck() = default;
  // The pictures in the order they are shown, and how many of them have been.
  TDeck(std::vector<std::uint32_t> order, std::size_t shown);

  // A new deck of pictures 0 ... count - 1 in random order whose first places hold none of
  // `notFirst` (the pictures the monitors show) while it holds others.
  static TDeck Dealt(std::uint32_t count, const std::vector<std::uint32_t>& notFirst, const Draw& draw);
  // The deck kept from an earlier run, for the pictures of the library now: `placeOf[picture]`
  // is its place in that deck, kNoPlace for a picture added since. Gone pictures are passed over
  // (they have no number now); added ones are shuffled into the part not yet shown.
  static TDeck Kept(const std::vector<std::uint32_t>& placeOf, std::size_t shown, const Draw& draw);

  const std::vector<std::uint32_t>& Order() const { return order_; }
  std::size_t Shown() const { return shown_; }

  // The next picture for a monitor: of the next kShapeLookAhead not yet shown that are
  // `available` (shown by no other monitor, there now), the first that `suits` its shape, else the
  // first available. A deck with none left is dealt again first, not starting with `notFirst` (the
  // pictures the last change showed, and those this one took). Nothing when no picture is
  // available at all; one passed over is not counted as shown.
  std::optional<std::uint32_t> Take(const std::function<bool(std::uint32_t)>& suits,
                                    const std::function<bool(std::uint32_t)>& available,
                                    const std::vector<std::uint32_t>& notFirst, const Draw& draw);

  // A picture a change took from what was kept, before the deck was: moved to the first place not
  // yet shown, and counted as shown. Nothing changes for a picture shown already.
  void Shows(std::uint32_t picture);

 private:
  // The place of the picture a monitor takes, from `shown` on; none when none is available.
  std::optional<std::size_t> PlaceToTake(const std::function<bool(std::uint32_t)>& suits,
                                         const std::function<bool(std::uint32_t)>& available) const;

  std::vector<std::uint32_t> order_;
  std::size_t shown_ = 0;
};

}  // namespace rotation
