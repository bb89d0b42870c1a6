// How a caption reads to a screen reader: without the "&" that marks its access key ("&&" stands
// for one "&") and without the leading blanks that place it on the control.
#pragma once

#include <string>
#include <string_view>

namespace ui {

std::string AccessibleNameOf(std::string_view caption);
// The letter after a single "&", in upper case; 0 for none.
char AccessKeyOf(std::string_view caption);
// Whether a key (its virtual-key code: a letter's is the upper-case letter, whatever the case
// typed) is the caption's access key.
bool IsAccessKeyOf(std::string_view caption, unsigned virtualKey);

}  // namespace ui
