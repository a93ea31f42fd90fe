#include <gtest/gtest.h>

#include "scan/variable_scan.h"

namespace lomvist {
namespace {

constexpr const char* kAbsent = "<absent>";

TEST(FindVariable, FirstEntryWithTheNameInAnyAsciiCase) {
  const EnvironmentSnapshot snapshot = {
      "NOEQUALS", "Path=first", "PATH=second",     "PATHEXT=.EXE", "EMPTY=",
      "A=B=c",    "x=",         "\xc9T\xc9=upper", "lib=lower",
  };
  const struct {
    std::string name;
    const char* value;
  } cases[] = {
      {"PATH", "first"},  {"path", "first"}, {"pAtH", "first"},      {"PATHEXT", ".EXE"},
      {"PATHE", kAbsent}, {"PAT", kAbsent},  {"EMPTY", ""},          {"A", "B=c"},
      {"A=B", "c"},       {"X", ""},         {"LIB", "lower"},       {"NOEQUALS", kAbsent},
      {"", kAbsent},      {"=", kAbsent},    {"\xc9T\xc9", "upper"},
  };
  for (const auto& c : cases) {
    const std::optional<std::string_view> value = find_variable(c.name, snapshot);
    EXPECT_EQ(value ? std::string(*value) : kAbsent, c.value) << c.name;
  }
}

TEST(FindVariable, EmptySnapshotHasNothing) { EXPECT_FALSE(find_variable("PATH", {})); }

}  // namespace
}  // namespace lomvist
