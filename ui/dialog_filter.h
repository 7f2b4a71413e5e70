#pragma once
// The file dialog's filter, written as "description|pattern|description|pattern",
// turned into the list of NUL-terminated strings that OPENFILENAME expects.

#include <string>
#include <string_view>

namespace quellor::ui {

// The system reads an empty string as the end of the filter list, so an entry
// whose description is empty is shown under its pattern instead; without that,
// "|*.txt||*.*" would give a dialog with no filter at all.
std::string OpenFileNameFilter(std::string_view barSeparated);

}  // namespace quellor::ui
