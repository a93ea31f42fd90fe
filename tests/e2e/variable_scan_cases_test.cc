#include <gtest/gtest.h>

#include "report_case.h"

namespace lomvist_test {
namespace {

const std::vector<ReportCase> kScanCases = {
    {"a variable set to nothing gets its heading only",
     {"LIB"},
     {"LIB="},
     {},
     {},
     "\n<<<Checking enviroment variable (LIB)>>>\n",
     0},
    {"a value of separators only has no entries",
     {"LIB"},
     {"LIB=;;;"},
     {},
     {},
     "\n<<<Checking enviroment variable (LIB)>>>\n",
     0},
    {"runs of separators and a trailing one make no entries",
     {"LIB"},
     {R"(LIB=;T:\a;;T:\b;)"},
     {R"(T:\a)", R"(T:\b)"},
     {},
     R"(
<<<Checking enviroment variable (LIB)>>>
D: (T:\a)
D: (T:\b)
)",
     0},
    {"a file is serious",
     {"INCLUDE"},
     {R"(INCLUDE=T:\inc;T:\inc\lomvist.h)"},
     {R"(T:\inc)"},
     {R"(T:\inc\lomvist.h)"},
     R"(
<<<Checking enviroment variable (INCLUDE)>>>
D: (T:\inc)
F: (T:\inc\lomvist.h)
   *** is a file (not directory) ***

***** INCLUDE may have 1 serious errors
)",
     1},
    {"counts start again for each variable",
     {"A", "B"},
     {R"(A=T:\x;T:\d;T:\y;T:\z)", R"(B=T:\d;T:\w)"},
     {R"(T:\d)"},
     {},
     R"(
<<<Checking enviroment variable (A)>>>
U: (T:\x)
   *** the directory does not exist ***
D: (T:\d)
U: (T:\y)
   *** the directory does not exist ***
U: (T:\z)
   *** the directory does not exist ***

***** A may have 3 serious errors

<<<Checking enviroment variable (B)>>>
D: (T:\d)
U: (T:\w)
   *** the directory does not exist ***

***** B may have 1 serious errors
)",
     4},
    {"the lookup ignores letter case and the heading keeps the caller's spelling",
     {"path"},
     {"Path=T:\\first", "PATH=T:\\second"},
     {},
     {},
     R"(
<<<Checking enviroment variable (path)>>>
U: (T:\first)
   *** the directory does not exist ***

***** path may have 1 serious errors
)",
     1},
    {"a longer or shorter name does not match",
     {"PATH"},
     {"PATHEXT=.COM", "PAT=T:\\", "XPATH=T:\\"},
     {},
     {},
     "\n ***** Enviroment variable (PATH) is not set *****\n",
     1},
    {"an environment entry without = never matches",
     {"LONELY"},
     {"LONELY", "OTHER=1"},
     {},
     {},
     "\n ***** Enviroment variable (LONELY) is not set *****\n",
     1},
    {"names beginning with = are never found",
     {"=T:", "="},
     {"=T:=T:\\", "==x"},
     {},
     {},
     "\n ***** Enviroment variable (=T:) is not set *****\n"
     "\n ***** Enviroment variable (=) is not set *****\n",
     2},
    {"A=B checks the rest of A's value after B=",
     {"A=B"},
     {R"(A=B=T:\d;T:\e)"},
     {R"(T:\d)"},
     {},
     R"(
<<<Checking enviroment variable (A=B)>>>
D: (T:\d)
U: (T:\e)
   *** the directory does not exist ***

***** A=B may have 1 serious errors
)",
     1},
    {"names and values are written as text, not as formats",
     {"%s%n%d", "V"},
     {R"(V=T:\%s%n%d)"},
     {},
     {},
     R"(
 ***** Enviroment variable (%s%n%d) is not set *****

<<<Checking enviroment variable (V)>>>
U: (T:\%s%n%d)
   *** the directory does not exist ***
   *** contains % ***

***** V may have 2 serious errors
)",
     3},
};

TEST(VariableScan, ReportsAndExitStatus) {
  for (const ReportCase& report_case : kScanCases) expect_report(report_case);
}

}  // namespace
}  // namespace lomvist_test
