// Rules for the items the shell gives the folder tree: which of them show, and their names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace browse {

// The shell's attribute bit of an item that is a file, even when the shell lists it as a folder
// (SFGAO_STREAM: .zip and .cab archives on current Windows).
inline constexpr std::uint32_t kShellItemIsStream = 0x00400000;

// Folders only, as the system's own folder pickers show them: no file the shell opens as one.
bool ShowsInFolderTree(std::uint32_t attributes);

// A parsing name of a virtual folder, named by its class identifier ("::{...}").
bool IsClassIdName(std::string_view name);

// A name that begins with "?" and a digit has every "?" removed.
std::string WithoutQuestionMarks(std::string name);

}  // namespace browse
