#include <gtest/gtest.h>

#include <string>

#include "process.h"
#include "report_case.h"

namespace lomvist_test {
namespace {

const std::vector<std::string> k300Names = names_not_set(300);

// Longer than MAX_PATH, though it names C:\windows once resolved.
const std::string kLongEntry = [] {
  std::string entry = R"(C:\windows)";
  while (entry.size() <= 260) entry += R"(\.)";
  return entry;
}();

// Texts here are UTF-8 as the test gives them; the program sees them in the ANSI code page
// (1252 under Wine's default locale), where é is the single byte 0xE9.
const std::vector<ReportCase> kWindowsCases = {
    {"Windows' own folder and a program in it",
     {"PATH"},
     {R"(PATH=C:\windows;C:\windows\notepad.exe;C:\\windows)"},
     {},
     {},
     R"(
<<<Checking enviroment variable (PATH)>>>
D: (C:\windows)
F: (C:\windows\notepad.exe)
   *** is a file (not directory) ***
D: (C:\\windows)
       has extra backslash

***** PATH may have 1 serious errors
)",
     1},
    {"names the file system refuses are missing",
     {"PATH"},
     {R"(PATH=C:\win?ows;)" + kLongEntry},
     {},
     {},
     "\n<<<Checking enviroment variable (PATH)>>>\n"
     "U: (C:\\win?ows)\n"
     "   *** the directory does not exist ***\n"
     "   *** contains ? ***\n"
     "U: (" +
         kLongEntry +
         ")\n"
         "   *** the directory does not exist ***\n"
         "\n***** PATH may have 3 serious errors\n",
     3},
    {"spaces around an entry as Windows resolves them",
     {"PATH"},
     {R"(PATH=C:\windows ; C:\windows)"},
     {},
     {},
     R"(
<<<Checking enviroment variable (PATH)>>>
D: (C:\windows )
   *** has leading/trailing space(s) ***
U: ( C:\windows)
   *** the directory does not exist ***
   *** has leading/trailing space(s) ***
   *** is not an absolute path ***

***** PATH may have 4 serious errors
)",
     4},
    {"letters of the code page arrive as one byte, others as ?",
     {"PATH"},
     {"PATH=T:\\caf\xc3\xa9;T:\\\xd0\xb6"},
     {},
     {},
     "\n<<<Checking enviroment variable (PATH)>>>\n"
     "U: (T:\\caf\xe9)\n"
     "   *** the directory does not exist ***\n"
     "U: (T:\\?)\n"
     "   *** the directory does not exist ***\n"
     "   *** contains ? ***\n"
     "\n***** PATH may have 3 serious errors\n",
     3},
    {"a non-ASCII name is found whatever its letter case",
     {"\xc3\xa9t\xc3\xa9"},
     {"\xc3\x89T\xc3\x89=C:\\windows"},
     {},
     {},
     "\n<<<Checking enviroment variable (\xe9t\xe9)>>>\nD: (C:\\windows)\n",
     0},
    {"the exit status keeps all 32 bits", k300Names, {}, {}, {}, not_set_lines(k300Names), 300},
};

TEST(WindowsReports, RealFileSystemAndCodePage) {
  for (const ReportCase& report_case : kWindowsCases) expect_report(report_case);
}

TEST(WindowsReports, ErrorlevelAbove255ReachesCmd) {
  RunRequest request;
  request.program = R"(C:\windows\system32\cmd.exe)";
  std::string command = program_under_test();
  for (const std::string& name : k300Names) command += " " + name;
  request.arguments = {"/v:on", "/c", command + " >nul & echo !errorlevel!"};
  request.directory = fixture_folder();
  request.output_folder = scratch_folder();
  const RunResult result = run_program(request);
  EXPECT_EQ(result.standard_output, "300\r\n");
}

}  // namespace
}  // namespace lomvist_test
