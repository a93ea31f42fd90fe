#include <algorithm>
#include <cstdio>
#include <string>

#include "form_checks/entry_form_checks.h"
#include "scan/report_buffer.h"
#include "scan/variable_scan.h"

namespace lomvist {
namespace {

// The working copy never shrinks below this; longer values get a copy that fits them whole.
constexpr std::size_t kWorkingCopyBytes = 102400;

std::string_view line_start(EntryKind kind) {
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

int write_finding(const Finding& finding, ReportBuffer& report) {
  put_text(report, finding.text);
  return finding.serious ? 1 : 0;
}

// Writes the findings of one entry as they come and returns how many of them are serious.
int run_findings_pipeline(std::string_view entry, EntryKind kind, ReportBuffer& report) {
  int serious = 0;
  if (std::optional<Finding> existence = existence_finding(kind)) {
    serious += write_finding(*existence, report);
  }
  const FormFindings form = diagnose_entry(entry);
  for (int i = 0; i < form.count; ++i) serious += write_finding(form.items[i], report);
  return serious;
}

// A line that names the variable, such as its heading. Built whole, so that it leaves in one write.
void write_named_line(const ReportSink& sink, std::string_view before, const char* name,
                      std::string_view after) {
  std::string line(before);
  if (sink.terminal) {
    append_visible(line, name);
  } else {
    line += name;
  }
  line += after;
  write_text(sink.stream, line);
}

}  // namespace

int check_variable(const char* name, const EnvironmentSnapshot& snapshot, const ReportSink& sink) {
  const std::optional<std::string_view> value = find_variable(name, snapshot);
  if (!value) {
    write_named_line(sink, "\n ***** Enviroment variable (", name, ") is not set *****\n");
    return 1;
  }
  write_named_line(sink, "\n<<<Checking enviroment variable (", name, ")>>>\n");

  std::string copy;
  copy.reserve(std::max(kWorkingCopyBytes, value->size() + 1));
  copy.assign(*value);

  ReportBuffer report = make_report_buffer(sink);
  // At most four serious findings per entry, and an entry takes two bytes with its separator: a
  // value would need a gigabyte to overflow this, and environments hold kilobytes.
  int serious = 0;
  split_entries(copy.data(), [&](std::string_view entry) {
    const EntryKind kind = probe_entry(entry.data());
    put_text(report, line_start(kind));
    put_value(report, entry);
    put_text(report, ")\n");
    serious += run_findings_pipeline(entry, kind, report);
    end_entry(report);
  });
  hand_over(report);
  if (serious != 0) {
    write_named_line(sink, "\n***** ", name,
                     " may have " + std::to_string(serious) + " serious errors\n");
  }
  return serious;
}

}  // namespace lomvist
