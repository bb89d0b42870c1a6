// A test program is no decoding helper: while this object lives, pictures of the imaging
// component's kinds are decoded by the Vantoria.exe under test ($VANTORIA_EXE), or the program
// another variable names, or by no program at all (so they are invalid pictures) when it is not
// given.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>

#include "pictures/DecodeHelper.h"

namespace testing_support {

class VantoriaDecodes {
 public:
  explicit VantoriaDecodes(const char* variable = "VANTORIA_EXE") {
    const char* exe = std::getenv(variable);
    std::string path = std::string("Z:") + (exe ? exe : "/nonexistent/Vantoria.exe");
    std::replace(path.begin(), path.end(), '/', '\\');
    pictures::SetDecodeHelperProgram(path);
  }
  ~VantoriaDecodes() { pictures::SetDecodeHelperProgram({}); }
  VantoriaDecodes(const VantoriaDecodes&) = delete;
  VantoriaDecodes& operator=(const VantoriaDecodes&) = delete;
};

}  // namespace testing_support
