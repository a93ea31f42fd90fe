// Inputs that only a hostile or broken environment holds: every byte, huge texts, many variables,
// and a reader that goes away.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "case_names.h"
#include "process.h"
#include "report_case.h"

namespace lomvist_test {
namespace {

std::string bytes(int first, int last) {
  std::string text;
  for (int c = first; c <= last; ++c) text += static_cast<char>(c);
  return text;
}

std::string repeated(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string ascii_lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::vector<std::string> many_variables_then(const std::string& wanted) {
  std::vector<std::string> environment;
  for (int i = 0; i < 5000; ++i) environment.push_back("V" + std::to_string(i) + "=T:\\v");
  environment.insert(environment.end(), {"WANTE=T:\\x", "WANTEDX=T:\\x", "=WANTED=T:\\x", wanted});
  return environment;
}

const std::string kAllBytes = bytes(1, 255);
// ';' is byte 59, so the value of every byte splits into two entries around it.
const std::string kLowBytes = bytes(1, 58);
const std::string kHighBytes = bytes(60, 255);
const std::string kLongValue = repeated(R"(T:\d;)", 24000) + R"(T:\end)";
const std::string kLongEntry = R"(T:\)" + repeated(R"(x\)", 59998) + "x";
const std::string kLongName(100000, 'N');
const std::string kLongNameUnset = kLongName.substr(1) + "M";

const std::vector<ReportCase> kHostileCases = {
    {"every byte in a value",
     {"V"},
     {"V=" + kAllBytes},
     {},
     heading("V") + missing(kLowBytes) + kPercent + kRelative + missing(kHighBytes) + kQuestion +
         kRelative + summary("V", 6),
     6},
    {"every byte in a name, found regardless of letter case",
     {kAllBytes},
     {ascii_lower(kAllBytes) + "=T:\\"},
     with_dirs({"T:\\"}),
     heading(kAllBytes) + dir(R"(T:\)"),
     0},
    {"a value of 120 KB is checked to its last entry",
     {"LIB"},
     {"LIB=" + kLongValue},
     with_dirs({R"(T:\d)"}),
     heading("LIB") + repeated(dir(R"(T:\d)"), 24000) + missing(R"(T:\end)") + summary("LIB", 1),
     1},
    {"a single entry of 120 KB",
     {"LIB"},
     {"LIB=" + kLongEntry},
     {},
     heading("LIB") + missing(kLongEntry) + summary("LIB", 1),
     1},
    {"the wanted variable after 5,000 others",
     {"WANTED"},
     many_variables_then(R"(wanted=T:\d)"),
     with_dirs({R"(T:\d)"}),
     heading("WANTED") + dir(R"(T:\d)"),
     0},
    {"names of 100 KB",
     {kLongName, kLongNameUnset},
     {kLongName + "=T:\\d"},
     with_dirs({R"(T:\d)"}),
     heading(kLongName) + dir(R"(T:\d)") + not_set(kLongNameUnset),
     1},
};

INSTANTIATE_TEST_SUITE_P(HostileInput, ReportTable, testing::ValuesIn(kHostileCases),
                         title_of<ReportCase>);

// A report far larger than a pipe holds, with two serious findings in all.
RunRequest long_report_request() {
  std::filesystem::create_directory(std::filesystem::path(fixture_folder()) / R"(T:\d)");
  return request_for({"-h", "LIB", "UNSET"}, {"LIB=" + kLongValue});
}

// Like cat or ls: a reader that goes away ends the program quietly, by SIGPIPE when that is
// the default, and otherwise the program finishes its count without complaint.
TEST(HostileOutput, PipeClosedByTheReader) {
  RunRequest request = long_report_request();
  request.output = RunRequest::Output::pipe_closed_early;
  RunResult result = run_program(request);
  EXPECT_EQ(result.standard_error, "");
  EXPECT_EQ(result.signal, SIGPIPE);

  request.ignore_broken_pipe = true;
  result = run_program(request);
  EXPECT_EQ(result.standard_error, "");
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.status, 2);
}

}  // namespace
}  // namespace lomvist_test
