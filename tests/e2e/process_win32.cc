#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "process.h"
#include "windows_host.h"

namespace lomvist_test {
namespace {

std::wstring to_wide(const std::string& utf8) {
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string to_utf8(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                      nullptr, nullptr);
  return utf8;
}

// Quotes one argument so that the C runtime's command-line splitting gives it back unchanged.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring out = L"\"";
  for (std::size_t i = 0;; ++i) {
    std::size_t backslashes = 0;
    for (; i < argument.size() && argument[i] == L'\\'; ++i) ++backslashes;
    if (i == argument.size()) {
      out.append(backslashes * 2, L'\\');
      break;
    }
    if (argument[i] == L'"') {
      out.append(backslashes * 2 + 1, L'\\');
    } else {
      out.append(backslashes, L'\\');
    }
    out += argument[i];
  }
  return out + L"\"";
}

// run-with-wine's serial line: the device, and the log of what it was sent.
const char* serial_line() { return std::getenv("LOMVIST_SERIAL_LINE"); }
const char* serial_log() { return std::getenv("LOMVIST_SERIAL_LOG"); }

// For handles that the child inherits.
SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};

HANDLE active_screen() {
  return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

// A hosted runner's steps inherit its console, which has no window and whose output code page the
// runner sets to 65001; a test binary started without any console, as by a service, makes one.
bool have_console() {
  const HANDLE screen = active_screen();
  if (screen == INVALID_HANDLE_VALUE) return AllocConsole() != 0;
  CloseHandle(screen);
  return true;
}

HANDLE inheritable_file(const std::string& path, DWORD access = GENERIC_WRITE,
                        DWORD disposition = CREATE_ALWAYS) {
  return CreateFileW(to_wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE inheritable_output(RunRequest::Output output, const std::string& path) {
  switch (output) {
    case RunRequest::Output::console_input:
      if (!have_console()) return INVALID_HANDLE_VALUE;
      return CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    case RunRequest::Output::full_device:  // Wine shows the Linux root as Z:; see
                                           // output_unavailable
      return inheritable_file(R"(Z:\dev\full)", GENERIC_WRITE, OPEN_EXISTING);
    case RunRequest::Output::read_only_file:
      return inheritable_file(path, GENERIC_READ);
    case RunRequest::Output::serial_line:
      return inheritable_file(serial_line(), GENERIC_WRITE, OPEN_EXISTING);
    default:
      return inheritable_file(path);
  }
}

std::string read_file(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What reached the serial line since its log held `before` bytes. The line is read on the other
// side as it is written, so a mark of the test's own, sent after the child is gone, tells when
// all of the child's bytes have arrived. Control characters never reach the line raw from the
// program, so the mark cannot come from it.
std::string serial_line_since(HANDLE line, std::size_t before) {
  const std::string mark = "\x02end of the run\x03";
  DWORD written = 0;
  if (!WriteFile(line, mark.data(), static_cast<DWORD>(mark.size()), &written, nullptr)) return "";
  std::string log;
  for (int waited = 0; waited < 1000; ++waited) {
    log = read_file(serial_log());
    if (log.size() >= before + mark.size() &&
        log.compare(log.size() - mark.size(), mark.size(), mark) == 0) {
      return log.substr(before, log.size() - before - mark.size());
    }
    Sleep(10);
  }
  return "the serial line's log never showed the end of the run: " +
         log.substr(std::min(before, log.size()));
}

// A fresh, empty screen buffer of this process's console for the child to write to, sized here:
// a new buffer takes the console's size, which a runner's console without a window may not have,
// and a report line wider than the buffer would wrap into two rows.
HANDLE inheritable_screen() {
  const HANDLE screen =
      CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                &inherit, CONSOLE_TEXTMODE_BUFFER, nullptr);
  if (screen != INVALID_HANDLE_VALUE && !SetConsoleScreenBufferSize(screen, COORD{300, 2000})) {
    ADD_FAILURE() << "SetConsoleScreenBufferSize failed: error " << GetLastError();
  }
  return screen;
}

// Why T: names no folder, where mapping it failed; every case that then fails says so.
std::string& fixture_drive_problem() {
  static std::string problem;
  return problem;
}

// A failed call of the harness's own fails the case that made it, naming the call and the error,
// rather than leaving it an empty report and a status of -1 to guess from.
bool failed_call(const char* call) {
  const DWORD error = GetLastError();
  ADD_FAILURE() << call << " failed: error " << error
                << (fixture_drive_problem().empty() ? "" : "; " + fixture_drive_problem());
  return false;
}

// A program that hangs would use up the whole job's time, and the steps after it would never run.
DWORD time_limit_seconds() {
  const char* limit = std::getenv("LOMVIST_TEST_TIME_LIMIT");
  return limit != nullptr && std::atoi(limit) > 0 ? static_cast<DWORD>(std::atoi(limit)) : 120;
}

// Waits for the child within the limit, and ends it past the limit, failing the case.
bool ended_in_time(HANDLE process, const std::wstring& command_line) {
  const DWORD limit = time_limit_seconds();
  const DWORD waited = WaitForSingleObject(process, limit * 1000);
  if (waited == WAIT_OBJECT_0) return true;
  if (waited == WAIT_FAILED) return failed_call("WaitForSingleObject");
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 10000);
  ADD_FAILURE() << to_utf8(command_line) << " did not end within " << limit << " s, and was ended";
  return false;
}

// The screen made active and opened again for writing alone: GetConsoleMode refuses such a handle.
HANDLE inheritable_write_only(HANDLE screen) {
  if (!SetConsoleActiveScreenBuffer(screen)) return INVALID_HANDLE_VALUE;
  return CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     OPEN_EXISTING, 0, nullptr);
}

// What the screen shows, read back as characters: every row up to the cursor, without the
// spaces that pad it to the screen's width.
std::string screen_rows(HANDLE screen) {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(screen, &info)) return "";
  const SHORT last = info.dwCursorPosition.X > 0 ? info.dwCursorPosition.Y
                                                 : static_cast<SHORT>(info.dwCursorPosition.Y - 1);
  std::string rows;
  for (SHORT y = 0; y <= last; ++y) {
    std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, row.data(), static_cast<DWORD>(row.size()), COORD{0, y},
                                &read);
    row.resize(read);
    row.erase(row.find_last_not_of(L' ') + 1);
    rows += to_utf8(row) + "\n";
  }
  return rows;
}

}  // namespace

// Texts of the request are UTF-8 and reach the child as UTF-16, as a Windows shell would pass
// them; the child itself then sees them in its ANSI code page.
RunResult run_program(const RunRequest& request) {
  const std::string out_path = request.output_folder + "\\stdout";
  const std::string err_path = request.output_folder + "\\stderr";
  std::wstring command_line = quoted(to_wide(request.program));
  for (const std::string& argument : request.arguments) {
    command_line += L" " + quoted(to_wide(argument));
  }
  std::wstring environment;
  for (const std::string& entry : request.environment) environment += to_wide(entry) + L'\0';
  environment += L'\0';
  if (request.environment.empty()) environment += L'\0';

  RunResult result;
  HANDLE pipe_read_end = INVALID_HANDLE_VALUE;
  HANDLE pipe_write_end = INVALID_HANDLE_VALUE;
  const bool pipe = request.output == RunRequest::Output::pipe_closed_early;
  if (pipe && (!CreatePipe(&pipe_read_end, &pipe_write_end, &inherit, 0) ||
               !SetHandleInformation(pipe_read_end, HANDLE_FLAG_INHERIT, 0))) {
    failed_call("CreatePipe");
    return result;
  }
  const bool write_only = request.output == RunRequest::Output::write_only_console;
  const bool console = request.output == RunRequest::Output::console || write_only;
  const UINT code_page = GetConsoleOutputCP();
  if (console && !have_console()) {
    failed_call("AllocConsole");
    return result;
  }
  if (console && !SetConsoleOutputCP(request.console_code_page)) {
    failed_call(("SetConsoleOutputCP(" + std::to_string(request.console_code_page) + ")").c_str());
    return result;
  }
  const HANDLE screen = console ? inheritable_screen() : INVALID_HANDLE_VALUE;
  if (console && screen == INVALID_HANDLE_VALUE) {
    failed_call("CreateConsoleScreenBuffer");
    SetConsoleOutputCP(code_page);
    return result;
  }
  DWORD mode_before = 0;
  const bool own_mode = console && request.console_mode != 0;
  if (own_mode &&
      (!GetConsoleMode(screen, &mode_before) || !SetConsoleMode(screen, request.console_mode))) {
    failed_call("SetConsoleMode");
    SetConsoleOutputCP(code_page);
    CloseHandle(screen);
    return result;
  }
  const bool serial = request.output == RunRequest::Output::serial_line;
  const std::size_t serial_before = serial ? read_file(serial_log()).size() : 0;
  const HANDLE shown_before = write_only ? active_screen() : INVALID_HANDLE_VALUE;
  HANDLE out = write_only ? inheritable_write_only(screen)
               : console  ? screen
               : pipe     ? pipe_write_end
                          : inheritable_output(request.output, out_path);
  HANDLE err = inheritable_file(err_path);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = INVALID_HANDLE_VALUE;
  startup.hStdOutput = request.output == RunRequest::Output::closed ? INVALID_HANDLE_VALUE : out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE,
                                      CREATE_UNICODE_ENVIRONMENT, environment.data(),
                                      to_wide(request.directory).c_str(), &startup, &process);
  if (!started) failed_call("CreateProcessW");
  if (pipe) {
    // Like a reader that took the first byte and went away.
    CloseHandle(out);
    out = INVALID_HANDLE_VALUE;
    char first = 0;
    DWORD read = 0;
    if (started && ReadFile(pipe_read_end, &first, 1, &read, nullptr)) {
      result.standard_output.assign(&first, read);
    }
    CloseHandle(pipe_read_end);
  }
  if (started) {
    DWORD code = 0;
    if (ended_in_time(process.hProcess, command_line) &&
        GetExitCodeProcess(process.hProcess, &code)) {
      result.status = code;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (console) result.standard_output = screen_rows(screen);
    if (serial) result.standard_output = serial_line_since(out, serial_before);
    if (!console && !pipe && !serial) result.standard_output = read_file(out_path);
    result.standard_error = read_file(err_path);
  }
  if (console) SetConsoleOutputCP(code_page);
  if (own_mode) SetConsoleMode(screen, mode_before);
  if (write_only) {
    SetConsoleActiveScreenBuffer(shown_before);
    CloseHandle(shown_before);
    CloseHandle(screen);
  }
  CloseHandle(out);
  CloseHandle(err);
  return result;
}

std::string scratch_folder() {
  static const std::string folder = [] {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("lomvist-test-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return folder;
}

bool skips_refused() {
  const char* refused = std::getenv("LOMVIST_NO_SKIP");
  return refused != nullptr && std::string(refused) == "1";
}

void require_ansi_code_page(unsigned code_page) {
  ASSERT_EQ(GetACP(), code_page) << "these cases spell the bytes of the ANSI code page "
                                 << code_page << ", and this machine's is " << GetACP();
}

// On a screen buffer of its own, so that the console that the runner shares keeps its mode.
bool line_feed_keeps_column(unsigned mode) {
  if (!have_console()) return false;
  const HANDLE screen = inheritable_screen();
  CONSOLE_SCREEN_BUFFER_INFO info{};
  DWORD written = 0;
  const bool kept = SetConsoleMode(screen, mode) &&
                    WriteConsoleW(screen, L"ab\n", 3, &written, nullptr) &&
                    GetConsoleScreenBufferInfo(screen, &info) && info.dwCursorPosition.X != 0;
  CloseHandle(screen);
  return kept;
}

bool under_wine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

std::string output_unavailable(RunRequest::Output output) {
  if (output == RunRequest::Output::file_size_limited) return "Windows has no file-size limit";
  if (output == RunRequest::Output::terminal_hung_up) {
    return "Windows has no pseudo-terminal whose other side can hang up";
  }
  if (output == RunRequest::Output::full_device && !under_wine()) {
    return "Windows has no device that is always full, as /dev/full is under Wine";
  }
  if (output == RunRequest::Output::serial_line &&
      (serial_line() == nullptr || serial_log() == nullptr)) {
    return "no serial line that can be read back: run-with-wine makes one under Wine, and "
           "Windows has none of its own";
  }
  return "";
}

namespace {

// As subst maps a drive; the same raw target removes exactly this mapping and no other of T:.
std::wstring& fixture_mapping() {
  static std::wstring target;
  return target;
}

void unmap_fixture_drive() {
  DefineDosDeviceW(DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE |
                       DDD_NO_BROADCAST_SYSTEM,
                   L"T:", fixture_mapping().c_str());
}

}  // namespace

// T:\tools must be a real path. Under Wine, run-with-wine maps T: to a fresh folder. On Windows
// itself T: is mapped here, for the test run, to a folder under the temporary folder, as subst
// maps one; a T: that the machine already has is never emptied.
std::string built_file(const std::string& name) {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return (std::filesystem::path(self).parent_path().parent_path() / (name + ".exe")).u8string();
}

std::string fixture_folder() {
  static const std::string folder = [] {
    if (under_wine()) return std::string("T:\\");
    const std::string own = scratch_folder() + "\\fixtures";
    std::filesystem::create_directories(std::filesystem::u8path(own));
    if (GetDriveTypeW(L"T:\\") != DRIVE_NO_ROOT_DIR) {
      std::fprintf(stderr, "this machine has a drive T:; the cases that name it will fail\n");
      return own;
    }
    fixture_mapping() =
        L"\\??\\" + std::filesystem::absolute(std::filesystem::u8path(own)).wstring();
    // No other program needs to hear of a mapping that only this run uses.
    if (!DefineDosDeviceW(DDD_RAW_TARGET_PATH | DDD_NO_BROADCAST_SYSTEM, L"T:",
                          fixture_mapping().c_str())) {
      fixture_drive_problem() = "T: could not be mapped: error " + std::to_string(GetLastError());
      std::fprintf(stderr, "%s\n", fixture_drive_problem().c_str());
      return own;
    }
    std::atexit(unmap_fixture_drive);
    return std::string("T:\\");
  }();
  return folder;
}

std::string native_line_ends(const std::string& text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

}  // namespace lomvist_test
