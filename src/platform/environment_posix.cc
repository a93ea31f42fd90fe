#include "platform/platform.h"

extern char** environ;

namespace lomvist {

EnvironmentSnapshot take_environment_snapshot() {
  EnvironmentSnapshot snapshot;
  for (char** entry = environ; entry && *entry; ++entry) {
    if (**entry != '=') snapshot.emplace_back(*entry);
  }
  return snapshot;
}

// Only A-Z fold, as Windows users expect of PATH and Path. strncasecmp would fold by the locale,
// which a terminal's character set may have set.
bool names_equal(const char* a, const char* b, std::size_t length) {
  const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < length; ++i) {
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

// A POSIX status keeps 8 bits: 256 findings would read as 0, success.
int exit_status_for(int total) { return total > 255 ? 255 : total; }

}  // namespace lomvist
