#include <sys/stat.h>

#include "platform/platform.h"

// stat() on a 32-bit build fails with EOVERFLOW on large files and 64-bit inode numbers, and an
// existing entry would then be reported missing.
static_assert(sizeof(off_t) == 8, "build with _FILE_OFFSET_BITS=64");

namespace lomvist {

// stat() follows symbolic links, as a search-path lookup does: a link to a directory counts as
// a directory and a dangling link as missing.
std::uint32_t query_attributes(const char* path) {
  struct stat status;
  if (stat(path, &status) != 0) return kInvalidAttributes;
  return S_ISDIR(status.st_mode) ? kDirectoryAttribute : 0;
}

}  // namespace lomvist
