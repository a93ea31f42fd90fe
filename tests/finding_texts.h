#pragma once

#include <string>

namespace lomvist_test {

// The findings as the report spells them, for every test that expects them.
inline const std::string kMissing = "   *** the directory does not exist ***\n";
inline const std::string kFile = "   *** is a file (not directory) ***\n";
inline const std::string kSpaces = "   *** has leading/trailing space(s) ***\n";
inline const std::string kPercent = "   *** contains % ***\n";
inline const std::string kQuestion = "   *** contains ? ***\n";
inline const std::string kRelative = "   *** is not an absolute path ***\n";
inline const std::string kBackslash = "       has extra backslash\n";

}  // namespace lomvist_test
