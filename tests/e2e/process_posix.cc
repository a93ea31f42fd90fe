#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
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

// A pipe, or a terminal that passes bytes unchanged (no CR added before LF).
bool open_channel(RunRequest::Output output, int& read_end, int& write_end) {
  if (output == RunRequest::Output::pipe_closed_early) {
    int ends[2];
    if (pipe(ends) != 0) return false;
    read_end = ends[0];
    write_end = ends[1];
    return true;
  }
  termios raw;
  if (openpty(&read_end, &write_end, nullptr, nullptr, nullptr) != 0) return false;
  if (tcgetattr(write_end, &raw) != 0) return false;
  cfmakeraw(&raw);
  return tcsetattr(write_end, TCSANOW, &raw) == 0;
}

// Reads until the writing side is gone (a terminal then reports EIO) or `limit` bytes arrived.
std::string read_channel(int read_end, std::size_t limit) {
  std::string text;
  char chunk[4096];
  while (text.size() < limit) {
    const ssize_t n = read(read_end, chunk, std::min(sizeof chunk, limit - text.size()));
    if (n <= 0) break;
    text.append(chunk, static_cast<std::size_t>(n));
  }
  return text;
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
  const bool early =
      request.output == Output::pipe_closed_early || request.output == Output::terminal_hung_up;
  const bool channel = early || request.output == Output::terminal;
  int read_end = -1;
  int write_end = -1;
  if (channel && !open_channel(request.output, read_end, write_end)) return {};

  const pid_t child = fork();
  if (child == 0) {
    const int out = channel                                 ? write_end
                    : request.output == Output::full_device ? open("/dev/full", O_WRONLY)
                    : request.output == Output::read_only_file
                        ? open(out_path.c_str(), O_RDONLY | O_CREAT | O_TRUNC, 0644)
                        : open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || chdir(request.directory.c_str()) != 0) _exit(127);
    if (channel) close(read_end);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    close(out);
    close(err);
    if (request.output == Output::closed) close(STDOUT_FILENO);
    const rlimit limit{64 * 1024, 64 * 1024};
    if (request.output == Output::file_size_limited && setrlimit(RLIMIT_FSIZE, &limit) != 0) {
      _exit(127);
    }
    // The test decides the disposition, whatever the test runner inherited.
    signal(SIGPIPE, request.ignore_broken_pipe ? SIG_IGN : SIG_DFL);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  RunResult result;
  if (channel) {
    close(write_end);
    if (child > 0) result.standard_output = read_channel(read_end, early ? 1 : SIZE_MAX);
    close(read_end);
  }
  int wait_status = 0;
  if (child < 0 || waitpid(child, &wait_status, 0) != child) return {};
  if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) result.signal = WTERMSIG(wait_status);
  if (request.output == Output::file) result.standard_output = read_file(out_path);
  result.standard_error = read_file(err_path);
  return result;
}

std::string output_unavailable(RunRequest::Output output) {
  return output == RunRequest::Output::console_input ? "POSIX has no console input handle" : "";
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

std::string built_file(const std::string& name) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? name : (self.parent_path().parent_path() / name).string();
}

std::string native_line_ends(const std::string& text) { return text; }

}  // namespace lomvist_test
