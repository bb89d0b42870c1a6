// Rules for the names the shell gives folders.
#pragma once

#include <string>
#include <string_view>

namespace browse {

// A parsing name of a virtual folder, named by its class identifier ("::{...}").
bool IsClassIdName(std::string_view name);

// A name that begins with "?" and a digit has every "?" removed.
std::string WithoutQuestionMarks(std::string name);

}  // namespace browse
