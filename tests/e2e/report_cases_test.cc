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
     with_dirs({R"(T:\tools)"}),
     heading("PATH") + dir(R"(T:\tools)") + missing(R"(T:\nowhere)") + summary("PATH", 1),
     1},
    {"no arguments and no PATH", {}, {"LIB=T:\\"}, {}, not_set("PATH"), 1},
    {"-h alone writes the usage text and nothing else",
     {"-h"},
     {"PATH=T:\\nowhere"},
     {},
     kUsage,
     0},
    {"help between two variables keeps the order and the sum",
     {"PATH", "-h", "LIB"},
     {R"(PATH=T:\nowhere)", R"(LIB=T:\a;T:\b)"},
     {},
     heading("PATH") + missing(R"(T:\nowhere)") + summary("PATH", 1) + kUsage + heading("LIB") +
         missing(R"(T:\a)") + missing(R"(T:\b)") + summary("LIB", 2),
     3},
    {"every help request writes the usage text again", {"-h", "-h"}, {}, {}, kUsage + kUsage, 0},
    {"/h and /help in any letter case",
     {"/HELP", "/Help", "/H", "/h", "/hElP"},
     {},
     {},
     kUsage + kUsage + kUsage + kUsage + kUsage,
     0},
    {"a leading - or ? and a second ? are help requests",
     {"-x", "--path", "/?", "a?b", "?", "-"},
     {},
     {},
     kUsage + kUsage + kUsage + kUsage + kUsage + kUsage,
     0},
    {"near misses of /help are variable names",
     {"/hel", "/helpme", "h", "help", "\\h"},
     {},
     {},
     not_set("/hel") + not_set("/helpme") + not_set("h") + not_set("help") + not_set("\\h"),
     5},
    {"an empty argument is a name that is never set", {""}, {"=X=1"}, {}, not_set(""), 1},
    {"the same name twice is checked and counted twice",
     {"LIB", "LIB"},
     {R"(LIB=T:\nowhere)"},
     {},
     heading("LIB") + missing(R"(T:\nowhere)") + summary("LIB", 1) + heading("LIB") +
         missing(R"(T:\nowhere)") + summary("LIB", 1),
     2},
    // Looking the variable up and splitting its value
    {"a variable set to nothing gets its heading only",
     {"LIB"},
     {"LIB="},
     {},
     "\n<<<Checking enviroment variable (LIB)>>>\n",
     0},
    {"a value of separators only has no entries",
     {"LIB"},
     {"LIB=;;;"},
     {},
     "\n<<<Checking enviroment variable (LIB)>>>\n",
     0},
    {"runs of separators and a trailing one make no entries",
     {"LIB"},
     {R"(LIB=;T:\a;;T:\b;)"},
     with_dirs({R"(T:\a)", R"(T:\b)"}),
     R"(
<<<Checking enviroment variable (LIB)>>>
D: (T:\a)
D: (T:\b)
)",
     0},
    {"a file is serious",
     {"INCLUDE"},
     {R"(INCLUDE=T:\inc;T:\inc\lomvist.h)"},
     with_dirs({R"(T:\inc)"}) + with_files({R"(T:\inc\lomvist.h)"}),
     heading("INCLUDE") + dir(R"(T:\inc)") + file(R"(T:\inc\lomvist.h)") + summary("INCLUDE", 1),
     1},
    {"counts start again for each variable",
     {"A", "B"},
     {R"(A=T:\x;T:\d;T:\y;T:\z)", R"(B=T:\d;T:\w)"},
     with_dirs({R"(T:\d)"}),
     heading("A") + missing(R"(T:\x)") + dir(R"(T:\d)") + missing(R"(T:\y)") + missing(R"(T:\z)") +
         summary("A", 3) + heading("B") + dir(R"(T:\d)") + missing(R"(T:\w)") + summary("B", 1),
     4},
    {"the lookup ignores letter case and the heading keeps the caller's spelling",
     {"path"},
     {"Path=T:\\first", "PATH=T:\\second"},
     {},
     heading("path") + missing(R"(T:\first)") + summary("path", 1),
     1},
    {"a longer or shorter name does not match",
     {"PATH"},
     {"PATHEXT=.COM", "PAT=T:\\", "XPATH=T:\\"},
     {},
     "\n ***** Enviroment variable (PATH) is not set *****\n",
     1},
    {"an environment entry without = never matches",
     {"LONELY"},
     {"LONELY", "OTHER=1"},
     {},
     "\n ***** Enviroment variable (LONELY) is not set *****\n",
     1},
    {"names beginning with = are never found",
     {"=T:", "="},
     {"=T:=T:\\", "==x"},
     {},
     "\n ***** Enviroment variable (=T:) is not set *****\n"
     "\n ***** Enviroment variable (=) is not set *****\n",
     2},
    {"A=B checks the rest of A's value after B=",
     {"A=B"},
     {R"(A=B=T:\d;T:\e)"},
     with_dirs({R"(T:\d)"}),
     heading("A=B") + dir(R"(T:\d)") + missing(R"(T:\e)") + summary("A=B", 1),
     1},
    {"names and values are written as text, not as formats",
     {"%s%n%d", "V"},
     {R"(V=T:\%s%n%d)"},
     {},
     not_set("%s%n%d") + heading("V") + missing(R"(T:\%s%n%d)") + kPercent + summary("V", 2),
     3},
    // The findings of each entry
    {"the existence finding comes first, then the form findings in order",
     {"PATH"},
     {"PATH=  %x?\\\\y\t;T:\\d;T:\\\\d"},
     with_dirs({R"(T:\d)", R"(T:\\d)"}),
     heading("PATH") + missing("  %x?\\\\y\t") + kSpaces + kPercent + kRelative + kBackslash +
         dir(R"(T:\d)") + dir(R"(T:\\d)") + kBackslash + summary("PATH", 4),
     4},
    {"doubled backslashes alone get no summary",
     {"LIB"},
     {R"(LIB=T:\d\\;T:\d\\e)"},
     with_dirs({R"(T:\d\\)", R"(T:\d\\e)"}),
     heading("LIB") + dir(R"(T:\d\\)") + kBackslash + dir(R"(T:\d\\e)") + kBackslash,
     0},
    {"existing relative folders are still not absolute",
     {"LIB"},
     {R"(LIB=.;tools;T:\f.txt)"},
     with_dirs({"tools"}) + with_files({R"(T:\f.txt)"}),
     heading("LIB") + dir(".") + kRelative + dir("tools") + kRelative + file(R"(T:\f.txt)") +
         summary("LIB", 3),
     3},
    {"a question mark is reported once and a quoted path is not absolute",
     {"INCLUDE"},
     {R"(INCLUDE=T:\a?b?c;"T:\q")"},
     {},
     heading("INCLUDE") + missing(R"(T:\a?b?c)") + kQuestion + missing("\"T:\\q\"") + kRelative +
         summary("INCLUDE", 4),
     4},
};

INSTANTIATE_TEST_SUITE_P(Reports, ReportTable, testing::ValuesIn(kReportCases),
                         title_of<ReportCase>);

}  // namespace
}  // namespace lomvist_test
