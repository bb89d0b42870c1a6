// Feeds the reader of the decoding helper's answer arbitrary bytes: what it accepts must be of a
// decodable size with exactly its rows, encode back to the same bytes, lie over a colour and scale.
#include <cstdlib>

#include "pictures/DecodedPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> answer(data, size);
  const auto picture = pictures::ParseDecodedPicture(answer);
  if (!picture) return 0;
  if (!pictures::DecodablePictureSize(picture->width, picture->height) ||
      picture->bgra.size() != static_cast<size_t>(picture->width) * picture->height * 4)
    std::abort();
  std::vector<std::uint8_t> again = pictures::DecodedPictureHeader(picture->width, picture->height);
  again.insert(again.end(), picture->bgra.begin(), picture->bgra.end());
  if (!std::equal(again.begin(), again.end(), answer.begin(), answer.end())) std::abort();
  const pictures::BgrPixels pixels = pictures::OverColour(*picture, 0x336699);
  if (pixels.Width() != picture->width || pixels.Height() != picture->height) std::abort();
  if (pictures::ScaledBgra(picture->bgra, picture->width, picture->height, 7, 3).size() != 7 * 3 * 4) std::abort();
  return 0;
}
