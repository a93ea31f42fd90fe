#pragma once

namespace lomvist {

// One line of an entry's report. Serious findings count towards the exit status.
struct Finding {
  const char* text;
  bool serious;
};

}  // namespace lomvist
