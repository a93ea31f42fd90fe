#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lomvist {

// Windows only: `wide` in the system's ANSI code page, as the environment and the arguments
// reach the checks. A character that the code page cannot hold becomes the code page's default
// character ('?'), never a look-alike.
std::string to_ansi(std::wstring_view wide);

// Windows only: `length` bytes of ANSI text as UTF-16; empty when there are none or they could
// not be converted.
std::wstring to_wide(const char* text, int length);

// Whether a reparse point with this tag names another place, as symbolic links and junctions
// do, so that a path lookup goes on to that place. Every other reparse point (cloud placeholders,
// deduplicated files, App Execution Aliases, container layers) is resolved by a file-system
// filter on the same path, and its own attributes are what a lookup finds.
bool follows_reparse_tag(std::uint32_t tag);

}  // namespace lomvist
