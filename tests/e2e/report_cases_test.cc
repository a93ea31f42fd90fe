#include <gtest/gtest.h>

#include "report_case.h"

namespace lomvist_test {
namespace {

const std::string kUsage = R"(
Utility for checking path (variables) by Ortavel. Version 1.0 (5/31/2007)

Usage: Lomvist [-h] [env_var1 env_var2 ...]

Examples:
   Lomvist
   Lomvist PATH LIB INCLUDE

Non-zero return code indicates likely error(s)
)";

const std::vector<ReportCase> kCommandLineCases = {
    {"no arguments checks PATH",
     {},
     {R"(PATH=T:\tools;T:\nowhere)", R"(LIB=T:\nowhere)"},
     {R"(T:\tools)"},
     {},
     R"(
<<<Checking enviroment variable (PATH)>>>
D: (T:\tools)
U: (T:\nowhere)
   *** the directory does not exist ***

***** PATH may have 1 serious errors
)",
     1},
    {"no arguments and no PATH", {}, {"LIB=T:\\"}, {}, {}, not_set("PATH"), 1},
    {"-h alone writes the usage text and nothing else",
     {"-h"},
     {"PATH=T:\\nowhere"},
     {},
     {},
     kUsage,
     0},
    {"help between two variables keeps the order and the sum",
     {"PATH", "-h", "LIB"},
     {R"(PATH=T:\nowhere)", R"(LIB=T:\a;T:\b)"},
     {},
     {},
     R"(
<<<Checking enviroment variable (PATH)>>>
U: (T:\nowhere)
   *** the directory does not exist ***

***** PATH may have 1 serious errors
)" + kUsage +
         R"(
<<<Checking enviroment variable (LIB)>>>
U: (T:\a)
   *** the directory does not exist ***
U: (T:\b)
   *** the directory does not exist ***

***** LIB may have 2 serious errors
)",
     3},
    {"every help request writes the usage text again",
     {"-h", "-h"},
     {},
     {},
     {},
     kUsage + kUsage,
     0},
    {"/h and /help in any letter case",
     {"/HELP", "/Help", "/H", "/h", "/hElP"},
     {},
     {},
     {},
     kUsage + kUsage + kUsage + kUsage + kUsage,
     0},
    {"a leading - or ? and a second ? are help requests",
     {"-x", "--path", "/?", "a?b", "?", "-"},
     {},
     {},
     {},
     kUsage + kUsage + kUsage + kUsage + kUsage + kUsage,
     0},
    {"near misses of /help are variable names",
     {"/hel", "/helpme", "h", "help", "\\h"},
     {},
     {},
     {},
     not_set("/hel") + not_set("/helpme") + not_set("h") + not_set("help") + not_set("\\h"),
     5},
    {"an empty argument is a name that is never set", {""}, {"=X=1"}, {}, {}, not_set(""), 1},
    {"the same name twice is checked and counted twice",
     {"LIB", "LIB"},
     {R"(LIB=T:\nowhere)"},
     {},
     {},
     R"(
<<<Checking enviroment variable (LIB)>>>
U: (T:\nowhere)
   *** the directory does not exist ***

***** LIB may have 1 serious errors

<<<Checking enviroment variable (LIB)>>>
U: (T:\nowhere)
   *** the directory does not exist ***

***** LIB may have 1 serious errors
)",
     2},
};

TEST(CommandLine, ReportsAndExitStatus) {
  for (const ReportCase& report_case : kCommandLineCases) expect_report(report_case);
}

}  // namespace
}  // namespace lomvist_test
