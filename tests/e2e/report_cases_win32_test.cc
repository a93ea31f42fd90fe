#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "case_names.h"
#include "process.h"
#include "report_case.h"
#include "windows_host.h"

namespace lomvist_test {
namespace {

const std::vector<std::string> k300Names = names_not_set(300);

// `text` with every `from` made `to`: a report as the program's own code page spells it.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Longer than MAX_PATH, though it names C:\windows once resolved.
const std::string kLongEntry = [] {
  std::string entry = R"(C:\windows)";
  while (entry.size() <= 260) entry += R"(\.)";
  return entry;
}();

const std::vector<ReportCase> kWindowsCases = {
    {"Windows' own folder and a program in it",
     {"PATH"},
     {R"(PATH=C:\windows;C:\windows\notepad.exe;C:\\windows)"},
     {},
     heading("PATH") + dir(R"(C:\windows)") + file(R"(C:\windows\notepad.exe)") +
         dir(R"(C:\\windows)") + kBackslash + summary("PATH", 1),
     1},
    {"names the file system refuses are missing",
     {"PATH"},
     {R"(PATH=C:\win?ows;)" + kLongEntry},
     {},
     heading("PATH") + missing(R"(C:\win?ows)") + kQuestion + missing(kLongEntry) +
         summary("PATH", 3),
     3},
    {"spaces around an entry as Windows resolves them",
     {"PATH"},
     {R"(PATH=C:\windows ; C:\windows)"},
     {},
     heading("PATH") + dir(R"(C:\windows )") + kSpaces + missing(R"( C:\windows)") + kSpaces +
         kRelative + summary("PATH", 4),
     4},
    {"the exit status keeps all 32 bits", k300Names, {}, {}, not_set_lines(k300Names), 300},
    {"a wildcard is a name, not the files it matches",
     {"*"},
     {},
     with_files({"PATH"}),
     not_set("*"),
     1},
};

INSTANTIATE_TEST_SUITE_P(WindowsReports, ReportTable, testing::ValuesIn(kWindowsCases),
                         title_of<ReportCase>);

// Texts here are UTF-8 as the test gives them; the program sees them in the ANSI code page
// 1252, Wine's default and that of English Windows, where é is the single byte 0xE9.
class CodePage1252 : public testing::Test {
 protected:
  void SetUp() override { require_ansi_code_page(1252); }
};

class CodePage1252Table : public ReportTable {
 protected:
  void SetUp() override { require_ansi_code_page(1252); }
};

TEST_P(CodePage1252Table, ExactOutputAndExitStatus) { expect_report(GetParam()); }

const std::vector<ReportCase> kCodePage1252Cases = {
    {"letters of the code page arrive as one byte, others as ?",
     {"PATH"},
     {"PATH=T:\\caf\xc3\xa9;T:\\\xd0\xb6"},
     {},
     heading("PATH") + missing("T:\\caf\xe9") + missing(R"(T:\?)") + kQuestion + summary("PATH", 3),
     3},
    {"a non-ASCII name is found whatever its letter case",
     {"\xc3\xa9t\xc3\xa9"},
     {"\xc3\x89T\xc3\x89=C:\\windows"},
     {},
     "\n<<<Checking enviroment variable (\xe9t\xe9)>>>\nD: (C:\\windows)\n",
     0},
    // Best fit would make the fullwidth semicolon, backslashes and percent sign the real ones.
    {"fullwidth look-alikes arrive as ?, not as ; \\ or %",
     {"X"},
     {"X=C:\\windows\xef\xbc\x9b"
      "C:\\windows\xef\xbc\xbc\xef\xbc\xbcsystem32\xef\xbc\x85x"},
     {},
     heading("X") + missing(R"(C:\windows?C:\windows??system32?x)") + kQuestion + summary("X", 2),
     2},
    {"an argument with a fullwidth percent sign is looked up with ?",
     {"AB\xef\xbc\x85"},
     {"AB%=C:\\windows", "AB?=T:\\question"},
     {},
     heading("AB?") + missing(R"(T:\question)") + summary("AB?", 1),
     1},
    // Linguistic comparison would take MAß for MASS and skip the soft hyphen.
    {"names compare as Windows compares them",
     {"MA\xc3\x9f\xc2\xad", "path"},
     {"MASS=C:\\windows", "PATH=C:\\windows"},
     {},
     not_set("MA\xdf\xad") + heading("path") + dir(R"(C:\windows)"),
     1},
};

INSTANTIATE_TEST_SUITE_P(WindowsReports, CodePage1252Table, testing::ValuesIn(kCodePage1252Cases),
                         title_of<ReportCase>);

TEST(WindowsReports, ErrorlevelAbove255ReachesCmd) {
  std::string command = program_under_test();
  for (const std::string& name : k300Names) command += " " + name;
  // /d: no AutoRun command of the machine's runs first.
  RunRequest request =
      request_for({"/d", "/v:on", "/c", command + " >nul & echo !errorlevel!"}, {});
  request.program = R"(C:\windows\system32\cmd.exe)";
  const RunResult result = run_program(request);
  EXPECT_EQ(result.standard_output, "300\r\n");
}

// On a host nobody has seen, a failed call of the harness's own must say which and why, not leave
// an empty report and a status of -1.
TEST(WindowsReports, AFailedCallOfTheHarnessNamesItselfAndItsError) {
  RunRequest request = request_for({"-h"}, {}, RunRequest::Output::console);
  request.console_code_page = 1;
  EXPECT_NONFATAL_FAILURE(run_program(request), "SetConsoleOutputCP(1) failed: error ");
  request = request_for({"-h"}, {});
  request.program = R"(C:
o such folder\lomvist.exe)";
  EXPECT_NONFATAL_FAILURE(run_program(request), "CreateProcessW failed: error ");
}

// A console shows bytes in its own output code page, not in the ANSI one that the report is made
// of; the report must still show every name as the user wrote it. ж is not in code page 1252.
TEST_F(CodePage1252, AConsoleShowsNamesAsWritten) {
  RunRequest request = request_for({"PFAD_\xc3\x89", "FEHLT_\xc3\x9c"},
                                   {"PFAD_\xc3\x89=C:\\Users\\Jos\xc3\xa9\\bin;C:\\J\xc3\xbcrgen "
                                    "M\xc3\xbcller;C:\\\xd0\xb6\xd1\x83\xd0\xba"});
  const std::string report = heading("PFAD_\xc3\x89") + missing("C:\\Users\\Jos\xc3\xa9\\bin") +
                             missing("C:\\J\xc3\xbcrgen M\xc3\xbcller") + missing("C:\\?\?\?") +
                             kQuestion + summary("PFAD_\xc3\x89", 4) + not_set("FEHLT_\xc3\x9c");
  request.output = RunRequest::Output::console;
  // Under 932 the bytes of "Jos\xe9\\" make fewer characters than under 1252: a console text
  // sized in the console's code page would come out empty.
  for (const unsigned code_page : {850u, 437u, 65001u, 932u}) {
    if (!IsValidCodePage(code_page)) {
      ADD_FAILURE() << "code page " << code_page << " is not installed, so no console shows it";
      continue;
    }
    request.console_code_page = code_page;
    const RunResult result = run_program(request);
    EXPECT_EQ(result.standard_output, report) << "code page " << code_page;
    EXPECT_EQ(result.standard_error, "");
    EXPECT_EQ(result.status, 5);
  }
  // cmd opens `> CON` for writing only.
  request.output = RunRequest::Output::write_only_console;
  request.console_code_page = 850;
  const RunResult write_only = run_program(request);
  EXPECT_EQ(write_only.standard_output, report);
  EXPECT_EQ(write_only.status, 5);
  // Redirected, the same run keeps the ANSI bytes that scripts compare.
  request.output = RunRequest::Output::file;
  std::string ansi = report;
  for (const auto& [utf8, byte] : {std::pair{"\xc3\x89", "\xc9"},
                                   {"\xc3\x9c", "\xdc"},
                                   {"\xc3\xa9", "\xe9"},
                                   {"\xc3\xbc", "\xfc"}}) {
    ansi = replaced(ansi, utf8, byte);
  }
  EXPECT_EQ(run_program(request).standard_output, native_line_ends(ansi));
}

// A value's control characters must not act on the console: the carriage return would put
// "D: (C:\fine)" over the missing entry. U+009D and U+0090, OSC and DCS among the C1 controls,
// are the bytes 0x9D and 0x90 in code page 1252. A file keeps every byte.
const std::string kControls = "X=C:\\nowhere\rD: (C:\\fine)\x1b]0;title\a\xc2\x9d\xc2\x90";
const std::string kControlsShown = heading("X") + missing(R"(C:\nowhere^MD: (C:\fine)^[]0)") +
                                   missing("title^GM-^]M-^P") + kRelative + summary("X", 3);

TEST_F(CodePage1252, AConsoleShowsControlCharactersVisibly) {
  RunRequest request = request_for({"X"}, {kControls});
  const std::string& shown = kControlsShown;
  request.console_code_page = 850;
  // cmd's `> CON` opens the console for writing only; it is a console all the same.
  for (const auto output : {RunRequest::Output::console, RunRequest::Output::write_only_console}) {
    request.output = output;
    EXPECT_EQ(run_program(request).standard_output, shown) << static_cast<int>(output);
  }
  request.output = RunRequest::Output::file;
  EXPECT_EQ(run_program(request).standard_output,
            native_line_ends(heading("X") + missing("C:\\nowhere\rD: (C:\\fine)\x1b]0") +
                             missing("title\a\x9d\x90") + kRelative + summary("X", 3)));
}

// A character device that refuses console writes, as a serial port does, gets the bytes; a
// serial console obeys C1 controls as any terminal does, so they show there as on a console.
TEST_F(CodePage1252, ASerialLineShowsControlCharactersAsAConsoleDoes) {
  if (const std::string why = output_unavailable(RunRequest::Output::serial_line); !why.empty()) {
    GTEST_SKIP() << why;
  }
  const RunResult result =
      run_program(request_for({"X"}, {kControls}, RunRequest::Output::serial_line));
  EXPECT_EQ(result.standard_output, native_line_ends(kControlsShown));
  EXPECT_EQ(result.status, 3);
}

// Some shells and terminals set DISABLE_NEWLINE_AUTO_RETURN, and children inherit it: a line feed
// then keeps the column, and each line starts at column 0 only after its own carriage return.
TEST(WindowsOnlyConsole, EveryLineStartsAtColumnZeroWhereALineFeedKeepsTheColumn) {
  const unsigned mode = ENABLE_PROCESSED_OUTPUT | ENABLE_WRAP_AT_EOL_OUTPUT |
                        ENABLE_VIRTUAL_TERMINAL_PROCESSING | DISABLE_NEWLINE_AUTO_RETURN;
  if (!line_feed_keeps_column(mode)) {
    SKIP_UNLESS_REFUSED(
        "this console returns to column 0 at a bare line feed whatever its mode, "
        "as Wine 8's does, so a missing carriage return would not show");
  }
  RunRequest request =
      request_for({"LIB", "UNSET"}, {R"(LIB=T:\nowhere;T:\a)"}, RunRequest::Output::console);
  request.console_code_page = 850;
  request.console_mode = mode;
  EXPECT_EQ(run_program(request).standard_output, heading("LIB") + missing(R"(T:\nowhere)") +
                                                      missing(R"(T:\a)") + summary("LIB", 2) +
                                                      not_set("UNSET"));
}

// These run in a prefix of their own whose ANSI code page is 932 (tests/CMakeLists.txt). There 表
// is the two bytes 0x95 0x5C, and the checks, which work byte by byte, take its second byte for a
// backslash; é is not in the code page at all.
TEST(CodePage932, DoubleByteNamesReachFilesAndConsolesWhole) {
  ASSERT_EQ(GetACP(), 932u) << "run with WINE_LANG=ja_JP.UTF-8";
  const std::string table = "\xe8\xa1\xa8";
  const std::string report = heading(table) + dir("T:\\" + table + "\\") + kBackslash +
                             heading("X") + missing(R"(T:\caf?)") + kQuestion + summary("X", 2);
  const std::string ansi = replaced(report, table, "\x95\x5c");
  const std::vector<std::string> environment = {table + "=T:\\" + table + "\\",
                                                "X=T:\\caf\xc3\xa9"};
  expect_report({"a file gets the code page's bytes",
                 {table, "X"},
                 environment,
                 with_dirs({table}),
                 ansi,
                 2});

  RunRequest request = request_for({table, "X"}, environment, RunRequest::Output::console);
  for (const unsigned code_page : {932u, 437u}) {
    request.console_code_page = code_page;
    // cmd's `> CON` cannot be asked what it is; its reader still decodes by the ANSI code page.
    for (const auto output :
         {RunRequest::Output::console, RunRequest::Output::write_only_console}) {
      request.output = output;
      const RunResult result = run_program(request);
      EXPECT_EQ(result.standard_output, report)
          << "code page " << code_page << ", output " << static_cast<int>(output);
      EXPECT_EQ(result.status, 2);
    }
  }
}

// A device name is found in every folder and reads as whatever the attribute query answers for
// it, which differs between Windows versions and Wine; the report must give that answer.
struct DeviceName {
  const char* title;
};

void PrintTo(const DeviceName& row, std::ostream* out) { *out << row.title; }

class DeviceNames : public testing::TestWithParam<DeviceName> {};

TEST_P(DeviceNames, ReadAsTheAttributeQueryAnswers) {
  const std::string name = GetParam().title;
  wchar_t device[MAX_PATH];
  if (name == "COM1" && !QueryDosDeviceW(L"COM1", device, MAX_PATH)) {
    GTEST_SKIP() << "this machine has no COM1";
  }
  const DWORD attributes = GetFileAttributesA(name.c_str());
  const bool absent = attributes == INVALID_FILE_ATTRIBUTES;
  const bool directory = !absent && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  const std::string line = absent ? missing(name) : directory ? dir(name) : file(name);
  const int status = directory ? 1 : 2;
  const RunResult result = run_program(request_for({"X"}, {"X=" + name}));
  EXPECT_EQ(result.standard_output,
            native_line_ends(heading("X") + line + kRelative + summary("X", status)));
  EXPECT_EQ(result.standard_error, "");
  EXPECT_EQ(result.status, status);
}

INSTANTIATE_TEST_SUITE_P(Windows, DeviceNames,
                         testing::Values(DeviceName{"NUL"}, DeviceName{"CON"}, DeviceName{"COM1"}),
                         title_of<DeviceName>);

}  // namespace
}  // namespace lomvist_test
