#include <gtest/gtest.h>

#include "report_case.h"

namespace lomvist_test {
namespace {

const std::vector<ReportCase> kFindingCases = {
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

TEST(EntryFindings, ReportsAndExitStatus) {
  for (const ReportCase& report_case : kFindingCases) expect_report(report_case);
}

}  // namespace
}  // namespace lomvist_test
