#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "process.h"

namespace lomvist_test {
namespace {

std::wstring to_wide(const std::string& utf8) {
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
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

HANDLE inheritable_file(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(to_wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string read_file(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
  if (request.output == RunRequest::Output::pipe_closed_early) return result;  // not needed here
  HANDLE out = inheritable_file(out_path);
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
  CloseHandle(out);
  CloseHandle(err);
  if (!started) return result;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  if (GetExitCodeProcess(process.hProcess, &code)) result.status = code;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  result.standard_output = read_file(out_path);
  result.standard_error = read_file(err_path);
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

// The test runner maps T: to an empty folder of its own, so that T:\tools is a real path.
std::string fixture_folder() { return "T:\\"; }

std::string native_line_ends(const std::string& text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

}  // namespace lomvist_test
