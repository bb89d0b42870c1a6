// The shuffled deck the rotation deals from: every picture once, in random order, before any
// comes again, whatever the size of its folder. Pictures are numbers (their place in the
// library); the deck knows only their order and how far it has been shown. Needs no Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace rotation {

// A number in 0 ... range - 1.
using Draw = std::function<std::uint32_t(std::uint32_t range)>;

// Of the pictures not yet shown, in the deck's order, the place of the one a monitor takes; none
// when none can be taken.
using PickPlace = std::function<std::optional<std::size_t>(std::span<const std::uint32_t> notShown)>;
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

  // The next picture for a monitor, the one `pick` picks. A deck with none left to pick is dealt
  // again first, not starting with `notFirst` (the pictures the last change showed, and those this
  // one took). Nothing when no picture can be picked at all; one passed over is not counted as shown.
  std::optional<std::uint32_t> Take(const PickPlace& pick, const std::vector<std::uint32_t>& notFirst,
                                    const Draw& draw);

  // A picture a change took from what was kept, before the deck was: moved to the first place not
  // yet shown, and counted as shown. Nothing changes for a picture shown already.
  void Shows(std::uint32_t picture);

 private:
  std::vector<std::uint32_t> order_;
  std::size_t shown_ = 0;
};

}  // namespace rotation
