#pragma once

#include <string>
#include <vector>

namespace lomvist_test {

struct RunRequest {
  std::string program;
  std::vector<std::string> arguments;    // after the program's own name
  std::vector<std::string> environment;  // raw entries, passed exactly as given
  std::string directory;                 // the child's current folder
  std::string output_folder;             // where standard output and error are caught
  // write_only_console: a console handle without read access, as cmd opens `> CON`;
  // console_input: the console's input handle, as cmd's `1>&0` passes it.
  // full_device: /dev/full, where every write fails for want of space; read_only_file: a file
  // opened for reading only; serial_line: a character device that refuses console writes, as a
  // serial port does, read back afterwards; terminal_hung_up: a pseudo-terminal whose other side
  // closes after the first byte; file_size_limited: a file under a limit of 64 KiB, as
  // `ulimit -f 64` sets.
  enum class Output {
    file,
    closed,
    full_device,
    read_only_file,
    pipe_closed_early,
    terminal,
    console,
    write_only_console,
    console_input,
    serial_line,
    terminal_hung_up,
    file_size_limited
  };
  Output output = Output::file;
  unsigned console_code_page = 0;   // Windows: the output code page of the console
  unsigned console_mode = 0;        // Windows: the console's output mode, when not 0
  bool ignore_broken_pipe = false;  // POSIX: start the child with SIGPIPE ignored
};

struct RunResult {
  std::string standard_output;  // for a Windows console: its rows as UTF-8, each ending in \n
  std::string standard_error;
  long long status = -1;  // exit status, or -1 when the child could not run or was killed
  int signal = 0;         // POSIX: the signal that ended the child
};

RunResult run_program(const RunRequest& request);

// Why this machine cannot give the child this kind of output, or empty when it can.
std::string output_unavailable(RunRequest::Output output);

// A private folder for this test run, made on first use.
std::string scratch_folder();

// The folder that the report cases' fixtures are made in and the program runs in, so that
// entries such as T:\tools name them on every platform.
std::string fixture_folder();

// A file that the build of this test binary made, in the folder above the binary's own: the
// program under test ("lomvist"), or the locales made for the terminal cases ("locale").
std::string built_file(const std::string& name);

// The report's line ends as this platform's text streams write them.
std::string native_line_ends(const std::string& text);

}  // namespace lomvist_test
