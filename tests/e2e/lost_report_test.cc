// A report that could not be written must not read as success: scripts would get an empty log
// and status 0.
#include <gtest/gtest.h>

#include <filesystem>

#include "case_names.h"
#include "process.h"
#include "report_case.h"

namespace lomvist_test {
namespace {

std::string lost(const std::string& reason) {
  return native_line_ends("lomvist: the report could not be written: " + reason + "\n");
}

// More than the program gathers before it writes, so that a write fails before the last one;
// for a terminal, more than a pseudo-terminal holds, so that the program is still writing when
// the terminal goes away.
std::string long_value(int entries = 7000) {
  std::string value = "LIB=";
  for (int i = 0; i < entries; ++i) value += "T:\\d;";
  return value;
}

struct LostReportCase {
  const char* title;
  RunRequest::Output output;
  std::vector<std::string> arguments;
  std::vector<std::string> environment;
  std::string standard_error;
  long long status;
};

// A reader that took what it wanted and closed the pipe is no failure, as with any other tool;
// Windows' C runtime calls that an invalid argument.
const LostReportCase kLostReportCases[] = {
    {"a full device",
     RunRequest::Output::full_device,
     {"X"},
     {"X=T:\\d"},
     lost("No space left on device"),
     1},
    {"a closed standard output",
     RunRequest::Output::closed,
     {"-h", "LIB", "UNSET1", "UNSET2"},
     {long_value()},
     lost("Bad file descriptor"),
     2},
    {"a file open for reading only",
     RunRequest::Output::read_only_file,
     {"X"},
     {"X=T:\\d"},
     lost("Bad file descriptor"),
     1},
    {"a console input handle",
     RunRequest::Output::console_input,
     {"-h"},
     {},
     lost("Bad file descriptor"),
     1},
    {"a terminal that hangs up",
     RunRequest::Output::terminal_hung_up,
     {"-h", "LIB", "UNSET1", "UNSET2"},
     {long_value(24000)},
     lost("Input/output error"),
     2},
    {"a file past the file-size limit",
     RunRequest::Output::file_size_limited,
     {"-h", "LIB", "UNSET1", "UNSET2"},
     {long_value(24000)},
     lost("File too large"),
     2},
    {"a pipe that the reader closes early",
     RunRequest::Output::pipe_closed_early,
     {"LIB", "UNSET1", "UNSET2"},
     {long_value()},
     "",
     2},
};

void PrintTo(const LostReportCase& c, std::ostream* out) { *out << c.title; }

class LostReport : public testing::TestWithParam<LostReportCase> {};

TEST_P(LostReport, SaysSoOnceAndNeverEndsWithZero) {
  const LostReportCase& c = GetParam();
  if (const std::string why = output_unavailable(c.output); !why.empty()) GTEST_SKIP() << why;
  std::filesystem::create_directory(std::filesystem::path(fixture_folder()) / "T:\\d");
  RunRequest request = request_for(c.arguments, c.environment, c.output);
  request.ignore_broken_pipe = true;
  const RunResult result = run_program(request);
  EXPECT_EQ(result.standard_error, c.standard_error);
  EXPECT_EQ(result.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Outputs, LostReport, testing::ValuesIn(kLostReportCases),
                         title_of<LostReportCase>);

}  // namespace
}  // namespace lomvist_test
