// The text of the selected-folder list file: one entry per line, each ended by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace browse {

// Lines end at CR LF, at a lone CR or at a lone LF (LF CR is two line ends); text after the
// last line end is one more entry; a zero byte ends the text. Nothing is trimmed.
std::vector<std::string> ParseFolderList(std::string_view text);

// Every entry followed by CR LF, the last one too; no entries give no bytes.
std::string FolderListText(const std::vector<std::string>& entries);

}  // namespace browse
