#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "process.h"

namespace lomvist_test {
namespace {

std::vector<char*> c_strings(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

RunResult run_program(const RunRequest& request) {
  const std::string out_path = request.output_folder + "/stdout";
  const std::string err_path = request.output_folder + "/stderr";
  std::vector<std::string> argv_texts{request.program};
  argv_texts.insert(argv_texts.end(), request.arguments.begin(), request.arguments.end());
  std::vector<std::string> env_texts = request.environment;
  std::vector<char*> argv = c_strings(argv_texts);
  std::vector<char*> envp = c_strings(env_texts);

  using Output = RunRequest::Output;
  int pipe_ends[2] = {-1, -1};
  if (request.output == Output::pipe_closed_early && pipe(pipe_ends) != 0) return {};

  const pid_t child = fork();
  if (child == 0) {
    const int out = request.output == Output::pipe_closed_early
                        ? pipe_ends[1]
                        : open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || chdir(request.directory.c_str()) != 0) _exit(127);
    if (pipe_ends[0] >= 0) close(pipe_ends[0]);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    close(out);
    close(err);
    if (request.output == Output::closed) close(STDOUT_FILENO);
    // The test decides the disposition, whatever the test runner inherited.
    signal(SIGPIPE, request.ignore_broken_pipe ? SIG_IGN : SIG_DFL);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  if (request.output == Output::pipe_closed_early) {
    close(pipe_ends[1]);
    char first;
    if (child > 0) (void)!read(pipe_ends[0], &first, 1);
    close(pipe_ends[0]);
  }
  RunResult result;
  int wait_status = 0;
  if (child < 0 || waitpid(child, &wait_status, 0) != child) return result;
  if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) result.signal = WTERMSIG(wait_status);
  if (request.output == Output::file) result.standard_output = read_file(out_path);
  result.standard_error = read_file(err_path);
  return result;
}

std::string scratch_folder() {
  static const std::string folder = [] {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/lomvist-test-XXXXXX";
    return mkdtemp(pattern.data()) ? pattern : std::string();
  }();
  return folder;
}

// A backslash is an ordinary byte in a file name here, so T:\tools is one name in this folder.
std::string fixture_folder() {
  static const std::string folder = [] {
    const std::string path = scratch_folder() + "/fixtures";
    std::filesystem::create_directory(path);
    return path;
  }();
  return folder;
}

std::string native_line_ends(const std::string& text) { return text; }

}  // namespace lomvist_test
