#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "driver/driver.h"
#include "platform/output.h"
#include "scan/variable_scan.h"

namespace lomvist {
namespace {

// A to Z as a to z, and every other byte unchanged: the only letters the driver folds.
char fold_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equals_ignoring_ascii_case(const char* text, const char* lower_case) {
  for (; *lower_case != '\0'; ++text, ++lower_case) {
    if (fold_ascii(*text) != *lower_case) return false;
  }
  return *text == '\0';
}

// A report that could not be written is never a success: one line on standard error says so,
// and the status is the count, or 1 when there is none. A reader that closed its pipe (EPIPE)
// took what it wanted, as from any other tool, and the status stands.
int status_after_writing(int status, int write_error) {
  if (write_error == 0 || write_error == EPIPE) return status;
  std::fprintf(stderr, "lomvist: the report could not be written: %s\n",
               std::strerror(write_error));
  return status != 0 ? status : 1;
}

}  // namespace

const char usage_text[] =
    "\nUtility for checking path (variables) by Ortavel. Version 1.0 (5/31/2007)\n"
    "\nUsage: Lomvist [-h] [env_var1 env_var2 ...]\n"
    "\nExamples:\n"
    "   Lomvist\n"
    "   Lomvist PATH LIB INCLUDE\n"
    "\nNon-zero return code indicates likely error(s)\n";

bool is_help_request(const char* argument) {
  if (argument[0] == '?' || argument[0] == '-') return true;
  if (argument[0] != '\0' && argument[1] == '?') return true;
  return equals_ignoring_ascii_case(argument, "/h") ||
         equals_ignoring_ascii_case(argument, "/help");
}

int add_to_total(int total, int count) { return count > INT_MAX - total ? INT_MAX : total + count; }

int run_arguments(int count, const char* const* arguments, const EnvironmentSnapshot& snapshot,
                  ReportBuffer& report) {
  if (count < 2) return check_variable("PATH", snapshot, report);
  int total = 0;
  for (int i = 1; i < count; ++i) {
    if (is_help_request(arguments[i])) {
      put_text(report, usage_text);
      show_now(report);
    } else {
      total = add_to_total(total, check_variable(arguments[i], snapshot, report));
    }
  }
  return total;
}

int run_process(int count, const char* const* arguments) {
  const EnvironmentSnapshot snapshot = take_environment_snapshot();
  ReportBuffer report = make_report_buffer(report_sink_for(stdout));
  const int total = run_arguments(count, arguments, snapshot, report);
  return status_after_writing(exit_status_for(total), finish_report(report));
}

}  // namespace lomvist
