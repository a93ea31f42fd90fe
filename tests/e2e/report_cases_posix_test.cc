#include <gtest/gtest.h>

#include <cstdlib>

#include "case_names.h"
#include "process.h"
#include "report_case.h"

namespace lomvist_test {
namespace {

const std::vector<std::string> k255Names = names_not_set(255);
const std::vector<std::string> k300Names = names_not_set(300);

const std::vector<ReportCase> kPosixCases = {
    {"links count as what they point to; a dangling link is missing",
     {"LIB"},
     {R"(LIB=T:\to-dir;T:\to-file;T:\dangling)"},
     with_dirs({"real"}) + with_files({"real.txt"}),
     heading("LIB") + dir(R"(T:\to-dir)") + file(R"(T:\to-file)") + missing(R"(T:\dangling)") +
         summary("LIB", 2),
     2,
     {{R"(T:\to-dir)", "real"}, {R"(T:\to-file)", "real.txt"}, {R"(T:\dangling)", "gone"}}},
    {"spaces around an entry are part of its name here",
     {"LIB"},
     {R"(LIB= T:\f.txt ;T:\f.txt )"},
     with_files({R"( T:\f.txt )"}),
     heading("LIB") + file(R"( T:\f.txt )") + kSpaces + kRelative + missing(R"(T:\f.txt )") +
         kSpaces + summary("LIB", 5),
     5},
    {"255 findings give the status 255", k255Names, {}, {}, not_set_lines(k255Names), 255},
    // Eight bits would wrap 256 to 0 and report success.
    {"more than 255 findings stay at 255", k300Names, {}, {}, not_set_lines(k300Names), 255},
    {"bytes 128-255 in names compare exactly",
     {"\xe9T\xe9", "\xc9T\xc9"},
     {"\xe9t\xe9=T:\\"},
     with_dirs({R"(T:\)"}),
     "\n<<<Checking enviroment variable (\xe9T\xe9)>>>\nD: (T:\\)\n"
     "\n ***** Enviroment variable (\xc9T\xc9) is not set *****\n",
     1},
};

INSTANTIATE_TEST_SUITE_P(PosixReports, ReportTable, testing::ValuesIn(kPosixCases),
                         title_of<ReportCase>);

// On a terminal the report is handed over entry by entry, and the bytes must not change with it,
// but for a value's control characters: shown, they cannot rewrite the screen or set the title.
TEST(PosixReports, ATerminalGetsTheSameReportWithControlsShown) {
  RunRequest request = request_for({"LIB", "UNSET", "X", "\x1b]0;t\a"},
                                   {"LC_ALL=C.UTF-8", R"(LIB=T:\nowhere; rel\\x;T:\e)",
                                    "X=C:\\nowhere\rD: (C:\\fine)\x1b]0;title\a\xc2\x9b"
                                    "2J;C:\\tab\t"});
  request.output = RunRequest::Output::terminal;
  const RunResult result = run_program(request);
  const std::string lib = missing(R"(T:\nowhere)") + missing(R"( rel\\x)") + kSpaces + kRelative +
                          kBackslash + missing(R"(T:\e)");
  const std::string x = missing(R"(C:\nowhere^MD: (C:\fine)^[]0)") + missing("title^GM-^[2J") +
                        kRelative + missing(R"(C:\tab^I)") + kSpaces;
  EXPECT_EQ(result.standard_output, heading("LIB") + lib + summary("LIB", 5) + not_set("UNSET") +
                                        heading("X") + x + summary("X", 5) + not_set("^[]0;t^G"));
  EXPECT_EQ(result.standard_error, "");
  EXPECT_EQ(result.status, 12);

  request.arguments = {"X", "\x1b]0;t\a"};
  request.output = RunRequest::Output::file;
  EXPECT_EQ(run_program(request).standard_output,
            heading("X") + missing("C:\\nowhere\rD: (C:\\fine)\x1b]0") +
                "U: (title\a\xc2\x9b"
                "2J)\n" +
                kMissing + kRelative + missing("C:\\tab\t") + kSpaces + summary("X", 5) +
                not_set("\x1b]0;t\a"));
}

// A terminal reads bytes by its locale's character set: to an 8-bit one, C3 9B is A-tilde and
// CSI, which would start a command; to a UTF-8 one it is a letter. A multi-byte set keeps its
// characters whole, whose second byte may be 0x80-0x9F, and a set whose characters fill
// 0x80-0x9F keeps them. A locale that is not installed but names UTF-8 is read as UTF-8, in any
// spelling, so its name is read as the C library reads it.
TEST(PosixReports, ATerminalShowsBytesAsItsCharacterSetReadsThem) {
  const char* locales = std::getenv("LOMVIST_TEST_LOCPATH");
  const std::string made_here = "LOCPATH=" + (locales ? locales : built_file("locale"));
  const struct {
    std::vector<std::string> locale;
    std::string value;
    std::string shown;
  } cases[] = {
      {{"LC_ALL=C.UTF-8"}, "\xc3\x9b", "\xc3\x9b"},
      {{"LC_ALL=en_US.ISO-8859-1", made_here}, "\xc3\x9b", "\xc3M-^["},
      {{"LC_ALL=C"}, "\xc3\x9b", "\xc3M-^["},
      {{}, "\xc3\x9b", "\xc3M-^["},
      {{"LC_ALL=zh_CN.GB18030", made_here}, "\xaa\x80x", "\xaa\x80x"},
      {{"LC_ALL=zh_CN.GB18030", made_here}, "\x80\x9b", "M-^@M-^["},
      {{"LC_ALL=ja_JP.EUC-JP", made_here}, "\x8e\xb1", "\x8e\xb1"},
      {{"LC_ALL=ru_RU.KOI8-R", made_here}, "\x80\x9b", "\x80\x9b"},
      {{"LANG=xx_XX.utf8", made_here}, "\xd0\x94\xd0\xbe\xc2\x9b", "\xd0\x94\xd0\xbeM-^["},
      {{"LC_CTYPE=xx_XX.ISO-8859-1", "LANG=C.UTF-8", made_here}, "\xc3\x9b", "\xc3M-^["},
      {{"LC_CTYPE=yy_YY.ISO-8859-1", "LC_ALL=xx_XX.UTF-8"}, "\xc3\x9b", "\xc3\x9b"},
      {{"LC_ALL=", "LANG=xx_XX.UTF-8"}, "\xc3\x9b", "\xc3\x9b"},
      {{"LANG=xx_XX.UTF-8"}, "\xc3\x9b", "\xc3\x9b"},
      {{"LANG=xx_XX.UTF-8@euro"}, "\xc3\x9b", "\xc3\x9b"},
      // As getenv and so setlocale read them: the first of two, though it is empty.
      {{"LC_ALL=", "LC_ALL=xx_YY.UTF-8", "LANG=xx_YY.GBK"}, "\xc3\x89", "\xc3M-^I"},
      // A byte that starts no character is shown, or the ^ or M after it would complete it.
      {{"LC_ALL=C.UTF-8"}, "\xc3\x01", "M-C^A"},
      {{"LC_ALL=zh_CN.GBK", made_here}, "\xb0\x01", "M-0^A"},
      {{"LC_ALL=ja_JP.SHIFT_JIS", made_here}, "\xe0\x01", "M-`^A"},
      {{"LC_ALL=ko_KR.CP949", made_here}, "\xb0\x80", "M-0M-^@"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> environment = c.locale;
    environment.push_back("X=T:\\" + c.value);
    const RunResult result =
        run_program(request_for({"X"}, environment, RunRequest::Output::terminal));
    EXPECT_EQ(result.standard_output, heading("X") + missing("T:\\" + c.shown) + summary("X", 1))
        << (c.locale.empty() ? "no locale" : testing::PrintToString(c.locale));
  }
}

}  // namespace
}  // namespace lomvist_test
