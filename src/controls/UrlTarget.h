// What a hyperlink label hands to the shell: its address, with the protocol's prefix in front
// unless the address already begins with it (exactly, case included).
#pragma once

#include <cstdint>
#include <string>

namespace controls {

enum class TProtocol : std::uint8_t { ptNONE = 0, ptMAIL = 1, ptWWW = 2, ptFTP = 3, ptFILE = 4 };

std::string UrlTarget(TProtocol protocol, const std::string& url);

}  // namespace controls
