// Pictures of every kind the Windows Imaging Component (WIC) has a decoder for on this PC. A
// decoder is code from elsewhere (Store extensions; Wine's own JPEG XR decoder ends the process
// on some damaged files), so pictures are decoded in a helper process (pictures/DecodeHelper.h):
// this program started with kDecodeSwitch.
#pragma once

#include <string>
#include <vector>

namespace pictures {

inline constexpr char kDecodeSwitch[] = "/decode";
// After the answer's handle: the helper answers the picture's size only.
inline constexpr char kSizeOnlySwitch[] = "/size";

// The file extensions ("png", "tif"...; lower case, no dot) that the decoders on this PC declare,
// but for the program's own kinds (bmp, jpg, jpeg). Found once, at the first call.
const std::vector<std::string>& WicFileExtensions();

// Whether the path's extension is one of those.
bool IsImagingComponentKind(const std::string& path);

// The helper's work: decodes `picturePath` (read whole, denying writers) from memory, frame 0
// (an icon's largest; a GIF's first on its logical screen), as 32-bit premultiplied BGRA, into
// the answer file whose inherited handle `answerHandle` gives in decimal; `sizeOnly`, only the
// answer's header, from what the decoder reads of the file for it. Every size it would allocate
// is checked before. 0 when it did.
int RunDecodeHelper(const std::string& picturePath, const std::string& answerHandle, bool sizeOnly);

}  // namespace pictures
