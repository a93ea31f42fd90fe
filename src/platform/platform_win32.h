#pragma once

#include <string>
#include <string_view>

namespace lomvist {

// Windows only: `wide` in the system's ANSI code page, as the environment and the arguments
// reach the checks. A character that the code page cannot hold becomes the code page's default
// character ('?'), never a look-alike.
std::string to_ansi(std::wstring_view wide);

}  // namespace lomvist
