#include <sys/stat.h>

#include "platform/ascii.h"
#include "platform/platform.h"

extern char** environ;

// stat() on a 32-bit build fails with EOVERFLOW on large files and 64-bit inode numbers, and an
// existing entry would then be reported missing.
static_assert(sizeof(off_t) == 8, "build with _FILE_OFFSET_BITS=64");

namespace lomvist {

EnvironmentSnapshot take_environment_snapshot() {
  EnvironmentSnapshot snapshot;
  for (char** entry = environ; entry && *entry; ++entry) {
    if (**entry != '=') snapshot.emplace_back(*entry);
  }
  return snapshot;
}

// stat() follows symbolic links, as a search-path lookup does: a link to a directory counts as
// a directory and a dangling link as missing.
std::uint32_t query_attributes(const char* path) {
  struct stat status;
  if (stat(path, &status) != 0) return kInvalidAttributes;
  return S_ISDIR(status.st_mode) ? kDirectoryAttribute : 0;
}

// Only A-Z fold, as Windows users expect of PATH and Path.
bool names_equal(const char* a, const char* b, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (fold_ascii(a[i]) != fold_ascii(b[i])) return false;
  }
  return true;
}

// A POSIX status keeps 8 bits: 256 findings would read as 0, success.
int exit_status_for(int total) { return total > 255 ? 255 : total; }

}  // namespace lomvist
