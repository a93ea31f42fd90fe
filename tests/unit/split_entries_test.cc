#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan/variable_scan.h"

namespace lomvist {
namespace {

std::vector<std::string> entries_of(std::string value) {
  std::vector<std::string> entries;
  split_entries(value.data(), [&entries](std::string_view entry) {
    EXPECT_EQ(entry.data()[entry.size()], '\0') << "entry is not terminated in place";
    entries.emplace_back(entry);
  });
  return entries;
}

TEST(SplitEntries, SemicolonIsTheOnlySeparator) {
  const struct {
    const char* value;
    std::vector<std::string> entries;
  } cases[] = {
      {"", {}},
      {";", {}},
      {";;;", {}},
      {"a", {"a"}},
      {R"(C:\a;;C:\b;)", {R"(C:\a)", R"(C:\b)"}},
      {";;a;;;b;;", {"a", "b"}},
      {" a ; b ", {" a ", " b "}},
      {"\"C:\\x y\";%P%\\bin;?;/u:\t", {"\"C:\\x y\"", "%P%\\bin", "?", "/u:\t"}},
      {",a:b,", {",a:b,"}},
  };
  for (const auto& c : cases) EXPECT_EQ(entries_of(c.value), c.entries) << c.value;
}

}  // namespace
}  // namespace lomvist
