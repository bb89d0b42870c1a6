// How the decoding helper hands its picture back: written straight into a temporary file that
// the program creates and the helper inherits, and that goes with the last handle to it, so that
// nothing remains of a helper ended at any moment. Not flushed: it is no data to keep.
#pragma once

#include <windows.h>

#include <cstdint>

#include "pictures/DecodedPicture.h"
#include "platform/Handles.h"

namespace pictures {

// A new, empty answer file in the user's temporary folder, its handle inheritable; none when the
// folder takes no file.
platform::FileHandle NewAnswerFile();

// The whole answer file mapped into memory, `bytes` long (its length is set first when
// `writing`); none on failure.
platform::MappedView MapAnswerFile(HANDLE file, std::uint64_t bytes, bool writing);

// A helper's answer, mapped into memory while it is read; the file goes with it.
class HelperAnswer {
 public:
  // The picture the file holds; fails with EInvalidGraphic naming `picturePath` for anything but
  // a whole answer of a decodable size, whose header is checked before a pixel is read.
  HelperAnswer(platform::FileHandle file, const std::string& picturePath);
  const DecodedPicture& Picture() const { return picture_; }

 private:
  platform::FileHandle file_;
  platform::MappedView view_;
  DecodedPicture picture_;
};

}  // namespace pictures
