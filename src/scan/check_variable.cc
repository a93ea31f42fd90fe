#include <algorithm>
#include <cstdio>
#include <string>

#include "form_checks/entry_form_checks.h"
#include "scan/variable_scan.h"

namespace lomvist {
namespace {

// The working copy never shrinks below this; longer values get a copy that fits them whole.
constexpr std::size_t kWorkingCopyBytes = 102400;

const char* kind_prefix(EntryKind kind) {
  switch (kind) {
    case EntryKind::directory:
      return "D: ";
    case EntryKind::file:
      return "F: ";
    case EntryKind::missing:
      break;
  }
  return "U: ";
}

int write_finding(const Finding& finding, std::FILE* out) {
  std::fprintf(out, "%s", finding.text);
  return finding.serious ? 1 : 0;
}

// Writes the findings of one entry as they come and returns how many of them are serious.
int run_findings_pipeline(std::string_view entry, EntryKind kind, std::FILE* out) {
  int serious = 0;
  if (std::optional<Finding> existence = existence_finding(kind)) {
    serious += write_finding(*existence, out);
  }
  const FormFindings form = diagnose_entry(entry);
  for (int i = 0; i < form.count; ++i) serious += write_finding(form.items[i], out);
  return serious;
}

}  // namespace

int check_variable(const char* name, const EnvironmentSnapshot& snapshot, std::FILE* out) {
  const std::optional<std::string_view> value = find_variable(name, snapshot);
  if (!value) {
    std::fprintf(out, "\n ***** Enviroment variable (%s) is not set *****\n", name);
    return 1;
  }
  std::fprintf(out, "\n<<<Checking enviroment variable (%s)>>>\n", name);

  std::string copy;
  copy.reserve(std::max(kWorkingCopyBytes, value->size() + 1));
  copy.assign(*value);

  int serious = 0;
  split_entries(copy.data(), [&serious, out](std::string_view entry) {
    const EntryKind kind = probe_entry(entry.data());
    std::fprintf(out, "%s(%s)\n", kind_prefix(kind), entry.data());
    serious += run_findings_pipeline(entry, kind, out);
  });
  if (serious != 0) std::fprintf(out, "\n***** %s may have %d serious errors\n", name, serious);
  return serious;
}

}  // namespace lomvist
