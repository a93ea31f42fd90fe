#pragma once

#include <string_view>

#include "scan/finding.h"

namespace lomvist {

// At most one finding from each of the four checks, in the order they run.
struct FormFindings {
  Finding items[4];
  int count = 0;
};

// Checks an entry's text alone: surrounding whitespace, % or ?, absolute form, doubled
// backslashes. The file system is never consulted.
FormFindings diagnose_entry(std::string_view entry);

}  // namespace lomvist
