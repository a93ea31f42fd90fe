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

// The report's fixed lines, for building expected output.
inline std::string heading(const std::string& name) {
  return "\n<<<Checking enviroment variable (" + name + ")>>>\n";
}
inline std::string not_set(const std::string& name) {
  return "\n ***** Enviroment variable (" + name + ") is not set *****\n";
}
inline std::string summary(const std::string& name, int count) {
  return "\n***** " + name + " may have " + std::to_string(count) + " serious errors\n";
}

// An entry's line, with the existence finding that follows a file or a missing entry.
inline std::string dir(const std::string& entry) { return "D: (" + entry + ")\n"; }
inline std::string file(const std::string& entry) { return "F: (" + entry + ")\n" + kFile; }
inline std::string missing(const std::string& entry) { return "U: (" + entry + ")\n" + kMissing; }

}  // namespace lomvist_test
