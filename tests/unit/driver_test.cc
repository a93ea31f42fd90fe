#include "driver/driver.h"

#include <gtest/gtest.h>

#include <climits>

namespace lomvist {
namespace {

TEST(HelpRequest, FiveRules) {
  const struct {
    const char* argument;
    bool help;
  } cases[] = {
      {"-h", true},     {"-", true},        {"--path", true}, {"-x", true},
      {"?", true},      {"?PATH", true},    {"/?", true},     {"a?b", true},
      {"/h", true},     {"/H", true},       {"/help", true},  {"/HELP", true},
      {"/hElP", true},  {"", false},        {"h", false},     {"help", false},
      {"/hel", false},  {"/helpme", false}, {"/h ", false},   {"\\h", false},
      {"PATH", false},  {"ab?", false},     {"/", false},     {"a", false},
      {"/\xc8", false},  // only A-Z fold: byte 200 is no capital of byte 232
  };
  for (const auto& c : cases) EXPECT_EQ(is_help_request(c.argument), c.help) << c.argument;
}

TEST(UsageText, BeginsWithEmptyLineAndEndsWithLineBreak) {
  const std::string usage = usage_text;
  EXPECT_EQ(usage.front(), '\n');
  EXPECT_EQ(usage.back(), '\n');
  EXPECT_NE(usage.find("\n\nUsage: Lomvist [-h] [env_var1 env_var2 ...]\n\nExamples:\n"),
            std::string::npos);
}

TEST(Total, StopsAtTheLargestIntInsteadOfWrapping) {
  const struct {
    int total, count, sum;
  } cases[] = {
      {0, 0, 0},
      {2, 3, 5},
      {INT_MAX - 4, 4, INT_MAX},
      {INT_MAX - 4, 5, INT_MAX},
      {2'147'400'000, 65'000 * 4, INT_MAX},  // one more check of 65,000 entries of four findings
      {INT_MAX, INT_MAX, INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(add_to_total(c.total, c.count), c.sum) << c.total;
}

}  // namespace
}  // namespace lomvist
