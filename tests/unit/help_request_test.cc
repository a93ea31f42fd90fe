#include <gtest/gtest.h>

#include "driver/driver.h"

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

}  // namespace
}  // namespace lomvist
