#include <algorithm>
#include <string>

#include "form_checks/entry_form_checks.h"
#include "scan/variable_scan.h"

namespace lomvist {
namespace {

// The working copy has room for a value of 102,399 bytes; a longer one gets a copy that holds it
// whole rather than one cut short.
constexpr std::size_t kWorkingCopyBytes = 102400;

std::string_view kind_prefix(EntryKind kind) {
  switch (kind) {
    case EntryKind::directory:
      return "D: (";
    case EntryKind::file:
      return "F: (";
    case EntryKind::missing:
      break;
  }
  return "U: (";
}

int put_finding(const Finding& finding, ReportBuffer& report) {
  put_text(report, finding.text);
  return finding.serious ? 1 : 0;
}

// Puts the findings of one entry in the report as they come and returns how many are serious.
int run_findings_pipeline(std::string_view entry, EntryKind kind, ReportBuffer& report) {
  int serious = 0;
  if (std::optional<Finding> existence = existence_finding(kind)) {
    serious += put_finding(*existence, report);
  }
  const FormFindings form = diagnose_entry(entry);
  for (int i = 0; i < form.count; ++i) serious += put_finding(form.items[i], report);
  return serious;
}

// A line that names the variable, such as its heading, shown before the next query may wait.
void put_named_line(ReportBuffer& report, std::string_view before, const char* name,
                    std::string_view after) {
  put_text(report, before);
  put_value(report, name);
  put_text(report, after);
  show_now(report);
}

}  // namespace

int check_variable(const char* name, const EnvironmentSnapshot& snapshot, ReportBuffer& report) {
  const std::optional<std::string_view> value = find_variable(name, snapshot);
  if (!value) {
    put_named_line(report, "\n ***** Enviroment variable (", name, ") is not set *****\n");
    return 1;
  }
  put_named_line(report, "\n<<<Checking enviroment variable (", name, ")>>>\n");

  std::string copy;
  copy.reserve(std::max(kWorkingCopyBytes, value->size() + 1));
  copy.assign(*value);

  // No entry has more than four serious findings, nor fewer than two bytes with its separator,
  // so only a value of a gigabyte could overflow the count. None can be that long: Windows holds
  // 32,767 characters in a variable, and Linux 128 KiB in an environment string.
  int serious = 0;
  split_entries(copy.data(), [&](std::string_view entry) {
    const EntryKind kind = probe_entry(entry.data());
    put_text(report, kind_prefix(kind));
    put_value(report, entry);
    put_text(report, ")\n");
    serious += run_findings_pipeline(entry, kind, report);
    show_now(report);
  });
  if (serious != 0) {
    put_named_line(report, "\n***** ", name,
                   " may have " + std::to_string(serious) + " serious errors\n");
  }
  return serious;
}

}  // namespace lomvist
