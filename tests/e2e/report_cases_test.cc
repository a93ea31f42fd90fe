#include <gtest/gtest.h>

#include "case_names.h"
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

// Every case runs on each platform; Windows compares with CR LF line ends.
const std::vector<ReportCase> kReportCases = {
    // The command line
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
    // Looking the variable up and splitting its value
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
    // The findings of each entry
    {"the existence finding comes first, then the form findings in order",
     {"PATH"},
     {"PATH=  %x?\\\\y\t;T:\\d;T:\\\\d"},
     {R"(T:\d)", R"(T:\\d)"},
     {},
     "\n<<<Checking enviroment variable (PATH)>>>\n"
     "U: (  %x?\\\\y\t)\n"
     "   *** the directory does not exist ***\n"
     "   *** has leading/trailing space(s) ***\n"
     "   *** contains % ***\n"
     "   *** is not an absolute path ***\n"
     "       has extra backslash\n"
     "D: (T:\\d)\n"
     "D: (T:\\\\d)\n"
     "       has extra backslash\n"
     "\n***** PATH may have 4 serious errors\n",
     4},
    {"doubled backslashes alone get no summary",
     {"LIB"},
     {R"(LIB=T:\d\\;T:\d\\e)"},
     {R"(T:\d\\)", R"(T:\d\\e)"},
     {},
     R"(
<<<Checking enviroment variable (LIB)>>>
D: (T:\d\\)
       has extra backslash
D: (T:\d\\e)
       has extra backslash
)",
     0},
    {"existing relative folders are still not absolute",
     {"LIB"},
     {R"(LIB=.;tools;T:\f.txt)"},
     {"tools"},
     {R"(T:\f.txt)"},
     R"(
<<<Checking enviroment variable (LIB)>>>
D: (.)
   *** is not an absolute path ***
D: (tools)
   *** is not an absolute path ***
F: (T:\f.txt)
   *** is a file (not directory) ***

***** LIB may have 3 serious errors
)",
     3},
    {"a question mark is reported once and a quoted path is not absolute",
     {"INCLUDE"},
     {R"(INCLUDE=T:\a?b?c;"T:\q")"},
     {},
     {},
     R"(
<<<Checking enviroment variable (INCLUDE)>>>
U: (T:\a?b?c)
   *** the directory does not exist ***
   *** contains ? ***
U: ("T:\q")
   *** the directory does not exist ***
   *** is not an absolute path ***

***** INCLUDE may have 4 serious errors
)",
     4},
};

INSTANTIATE_TEST_SUITE_P(Reports, ReportTable, testing::ValuesIn(kReportCases),
                         title_of<ReportCase>);

}  // namespace
}  // namespace lomvist_test
