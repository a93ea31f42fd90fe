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
     heading("PATH") +
         "D: (T:\\tools)\n"
         "U: (T:\\nowhere)\n" +
         kMissing + summary("PATH", 1),
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
     heading("PATH") + "U: (T:\\nowhere)\n" + kMissing + summary("PATH", 1) + kUsage +
         heading("LIB") + "U: (T:\\a)\n" + kMissing + "U: (T:\\b)\n" + kMissing + summary("LIB", 2),
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
     heading("LIB") + "U: (T:\\nowhere)\n" + kMissing + summary("LIB", 1) + heading("LIB") +
         "U: (T:\\nowhere)\n" + kMissing + summary("LIB", 1),
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
     heading("INCLUDE") +
         "D: (T:\\inc)\n"
         "F: (T:\\inc\\lomvist.h)\n" +
         kFile + summary("INCLUDE", 1),
     1},
    {"counts start again for each variable",
     {"A", "B"},
     {R"(A=T:\x;T:\d;T:\y;T:\z)", R"(B=T:\d;T:\w)"},
     {R"(T:\d)"},
     {},
     heading("A") + "U: (T:\\x)\n" + kMissing +
         "D: (T:\\d)\n"
         "U: (T:\\y)\n" +
         kMissing + "U: (T:\\z)\n" + kMissing + summary("A", 3) + heading("B") +
         "D: (T:\\d)\n"
         "U: (T:\\w)\n" +
         kMissing + summary("B", 1),
     4},
    {"the lookup ignores letter case and the heading keeps the caller's spelling",
     {"path"},
     {"Path=T:\\first", "PATH=T:\\second"},
     {},
     {},
     heading("path") + "U: (T:\\first)\n" + kMissing + summary("path", 1),
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
     heading("A=B") +
         "D: (T:\\d)\n"
         "U: (T:\\e)\n" +
         kMissing + summary("A=B", 1),
     1},
    {"names and values are written as text, not as formats",
     {"%s%n%d", "V"},
     {R"(V=T:\%s%n%d)"},
     {},
     {},
     not_set("%s%n%d") + heading("V") + "U: (T:\\%s%n%d)\n" + kMissing + kPercent + summary("V", 2),
     3},
    // The findings of each entry
    {"the existence finding comes first, then the form findings in order",
     {"PATH"},
     {"PATH=  %x?\\\\y\t;T:\\d;T:\\\\d"},
     {R"(T:\d)", R"(T:\\d)"},
     {},
     heading("PATH") + "U: (  %x?\\\\y\t)\n" + kMissing + kSpaces + kPercent + kRelative +
         kBackslash + "D: (T:\\d)\nD: (T:\\\\d)\n" + kBackslash + summary("PATH", 4),
     4},
    {"doubled backslashes alone get no summary",
     {"LIB"},
     {R"(LIB=T:\d\\;T:\d\\e)"},
     {R"(T:\d\\)", R"(T:\d\\e)"},
     {},
     heading("LIB") + "D: (T:\\d\\\\)\n" + kBackslash + "D: (T:\\d\\\\e)\n" + kBackslash,
     0},
    {"existing relative folders are still not absolute",
     {"LIB"},
     {R"(LIB=.;tools;T:\f.txt)"},
     {"tools"},
     {R"(T:\f.txt)"},
     heading("LIB") + "D: (.)\n" + kRelative + "D: (tools)\n" + kRelative + "F: (T:\\f.txt)\n" +
         kFile + summary("LIB", 3),
     3},
    {"a question mark is reported once and a quoted path is not absolute",
     {"INCLUDE"},
     {R"(INCLUDE=T:\a?b?c;"T:\q")"},
     {},
     {},
     heading("INCLUDE") + "U: (T:\\a?b?c)\n" + kMissing + kQuestion + "U: (\"T:\\q\")\n" +
         kMissing + kRelative + summary("INCLUDE", 4),
     4},
};

INSTANTIATE_TEST_SUITE_P(Reports, ReportTable, testing::ValuesIn(kReportCases),
                         title_of<ReportCase>);

}  // namespace
}  // namespace lomvist_test
