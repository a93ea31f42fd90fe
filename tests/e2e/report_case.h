#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lomvist_test {

// One run of the program: what it is given and exactly what it must answer.
struct ReportCase {
  const char* title;
  std::vector<std::string> arguments;
  std::vector<std::string> environment;  // the child's whole environment
  std::vector<std::string> directories;  // made before the files, in order
  std::vector<std::string> files;
  std::string expected_output;  // written with LF; compared with this platform's line ends
  long long expected_status;
  std::vector<std::pair<std::string, std::string>> symlinks = {};  // link, target
};

// Runs the case in a freshly emptied fixture folder and checks standard output byte for byte,
// standard error (always empty) and the exit status.
void expect_report(const ReportCase& report_case);

}  // namespace lomvist_test
