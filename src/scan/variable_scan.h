#pragma once

#include <cstring>
#include <optional>
#include <string_view>

#include "platform/platform.h"
#include "report/report_buffer.h"
#include "scan/finding.h"

namespace lomvist {

enum class EntryKind { missing, directory, file };

// The value of the first snapshot entry whose name equals `name` regardless of letter case.
std::optional<std::string_view> find_variable(std::string_view name,
                                              const EnvironmentSnapshot& snapshot);

// Calls visit(entry) for every non-empty run of `copy` between semicolons, in order. Each
// separator that ends an entry is overwritten with '\0', so entry.data() is a C string.
template <typename Visit>
void split_entries(char* copy, Visit visit) {
  char* cursor = copy;
  char* const end = copy + std::strlen(copy);
  for (;;) {
    while (*cursor == ';') ++cursor;
    if (cursor == end) return;
    char* entry = cursor;
    char* separator =
        static_cast<char*>(std::memchr(cursor, ';', static_cast<std::size_t>(end - cursor)));
    cursor = separator ? separator : end;
    *cursor = '\0';
    visit(std::string_view(entry, static_cast<std::size_t>(cursor - entry)));
    if (cursor == end) return;
    ++cursor;
  }
}

EntryKind probe_entry(const char* entry);

// The existence stage of an entry's findings: missing entries and files are serious.
std::optional<Finding> existence_finding(EntryKind kind);

// Puts the report of one variable in `report` and returns its serious count, or 1 when the
// variable is not set.
int check_variable(const char* name, const EnvironmentSnapshot& snapshot, ReportBuffer& report);

}  // namespace lomvist
