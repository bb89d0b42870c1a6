// How the decoding helper hands its picture back: written straight into a temporary file that
// the program creates and the helper inherits, and that goes with the last handle to it, so that
// nothing remains of a helper ended at any moment. Not flushed: it is no data to keep.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "pictures/DecodedPicture.h"
#include "platform/Handles.h"

namespace pictures {

// A new, empty answer file in the user's temporary folder, its handle inheritable; none when the
// folder takes no file.
platform::FileHandle NewAnswerFile();

// The helper's side: the answer file made `bytes` long, of zeros; false on failure.
bool SizeAnswer(HANDLE file, std::uint64_t bytes);
// The helper's side: bytes written at their place in the answer file; false on failure. Written,
// not stored through a mapping: a shared page faulted in for every 4 KiB of a large picture
// cost the helper more than its decode's conversion.
bool WriteAnswerAt(HANDLE file, std::uint64_t offset, std::span<const std::uint8_t> bytes);

// The program's side: the answer file as the helper left it, mapped into memory for reading;
// nothing for a file longer than any answer, or one that cannot be mapped.
struct MappedAnswer {
  platform::MappedView view;
  std::span<const std::uint8_t> bytes;
};
MappedAnswer MapAnswerForReading(HANDLE file);

// A helper's answer, mapped into memory while it is read; the file goes with it.
class HelperAnswer {
 public:
  // The picture the file holds; fails with EInvalidGraphic naming `picturePath` for anything but
  // a whole answer of a decodable size, whose header is checked before a pixel is read.
  HelperAnswer(platform::FileHandle file, const std::string& picturePath);
  const DecodedPicture& Picture() const { return picture_; }

 private:
  platform::FileHandle file_;
  MappedAnswer mapped_;
  DecodedPicture picture_;
};

}  // namespace pictures
