#include "report_case.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "process.h"

namespace fs = std::filesystem;

namespace lomvist_test {
namespace {

// An empty drive root has not even "." to list, which the iterator reports as an error.
void empty_folder(const fs::path& folder) {
  std::error_code empty_root;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, empty_root)) {
    fs::remove_all(entry);
  }
}

void make_fixtures(const ReportCase& report_case, const fs::path& folder) {
  empty_folder(folder);
  // Names are UTF-8, as the cases give them to the program; POSIX takes their bytes unchanged.
  for (const std::string& directory : report_case.fixtures.directories) {
    fs::create_directory(folder / fs::u8path(directory));
  }
  for (const std::string& name : report_case.fixtures.files) {
    std::ofstream(folder / fs::u8path(name)) << "lomvist\n";
  }
  for (const auto& [link, target] : report_case.symlinks) fs::create_symlink(target, folder / link);
}

struct RemoveScratchFolder : testing::Environment {
  void TearDown() override { fs::remove_all(scratch_folder()); }
};
const testing::Environment* const remove_scratch_folder =
    testing::AddGlobalTestEnvironment(new RemoveScratchFolder);

}  // namespace

Fixtures with_dirs(std::vector<std::string> names) { return {std::move(names), {}}; }
Fixtures with_files(std::vector<std::string> names) { return {{}, std::move(names)}; }
Fixtures operator+(Fixtures first, const Fixtures& second) {
  first.directories.insert(first.directories.end(), second.directories.begin(),
                           second.directories.end());
  first.files.insert(first.files.end(), second.files.begin(), second.files.end());
  return first;
}

std::vector<std::string> names_not_set(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("UNSET" + std::to_string(i));
  return names;
}

std::string not_set_lines(const std::vector<std::string>& names) {
  std::string lines;
  for (const std::string& name : names) lines += not_set(name);
  return lines;
}

std::string program_under_test() {
  const char* program = std::getenv("LOMVIST_PROGRAM");
  return program ? program : built_file("lomvist");
}

RunRequest request_for(std::vector<std::string> arguments, std::vector<std::string> environment,
                       RunRequest::Output output) {
  RunRequest request;
  request.program = program_under_test();
  request.arguments = std::move(arguments);
  request.environment = std::move(environment);
  request.directory = fixture_folder();
  request.output_folder = scratch_folder();
  request.output = output;
  return request;
}

void expect_report(const ReportCase& report_case) {
  SCOPED_TRACE(report_case.title);
  const RunRequest request = request_for(report_case.arguments, report_case.environment);
  make_fixtures(report_case, request.directory);

  const RunResult result = run_program(request);
  EXPECT_EQ(result.standard_output, native_line_ends(report_case.expected_output));
  EXPECT_EQ(result.standard_error, "");
  EXPECT_EQ(result.status, report_case.expected_status);
}

TEST_P(ReportTable, ExactOutputAndExitStatus) { expect_report(GetParam()); }

}  // namespace lomvist_test
