#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "process.h"
#include "report_texts.h"

namespace lomvist_test {

// What a case makes in the fixture folder before the program runs: the directories first, in
// order, then the files. with_dirs({...}) + with_files({...}) names them by kind.
struct Fixtures {
  std::vector<std::string> directories;
  std::vector<std::string> files;
};
Fixtures with_dirs(std::vector<std::string> names);
Fixtures with_files(std::vector<std::string> names);
Fixtures operator+(Fixtures first, const Fixtures& second);

// One run of the program: what it is given and exactly what it must answer.
struct ReportCase {
  const char* title;
  std::vector<std::string> arguments;
  std::vector<std::string> environment;  // the child's whole environment
  Fixtures fixtures;
  std::string expected_output;  // written with LF; compared with this platform's line ends
  long long expected_status;
  std::vector<std::pair<std::string, std::string>> symlinks = {};  // link, target
};

// Shown by its title where GoogleTest names the row that failed.
inline void PrintTo(const ReportCase& report_case, std::ostream* out) { *out << report_case.title; }

// A table of report cases, each row a test of its own named by its title (case_names.h):
//   INSTANTIATE_TEST_SUITE_P(Name, ReportTable, testing::ValuesIn(kCases), title_of<ReportCase>);
class ReportTable : public testing::TestWithParam<ReportCase> {};

// The program under test: the one that LOMVIST_PROGRAM names, or else the one that this test
// binary's build made.
std::string program_under_test();

// A run of the program under test in the fixture folder, its output caught in the scratch folder.
RunRequest request_for(std::vector<std::string> arguments, std::vector<std::string> environment,
                       RunRequest::Output output = RunRequest::Output::file);

// UNSET0, UNSET1, ...: names that no case's environment sets.
std::vector<std::string> names_not_set(int count);
std::string not_set_lines(const std::vector<std::string>& names);

// Runs the case in a freshly emptied fixture folder and checks standard output byte for byte,
// standard error (always empty) and the exit status.
void expect_report(const ReportCase& report_case);

}  // namespace lomvist_test
