#include "scan/variable_scan.h"

namespace lomvist {

EntryKind probe_entry(const char* entry) {
  const std::uint32_t attributes = query_attributes(entry);
  if (attributes == kInvalidAttributes) return EntryKind::missing;
  return attributes & kDirectoryAttribute ? EntryKind::directory : EntryKind::file;
}

std::optional<Finding> existence_finding(EntryKind kind) {
  switch (kind) {
    case EntryKind::missing:
      return Finding{"   *** the directory does not exist ***\n", true};
    case EntryKind::file:
      return Finding{"   *** is a file (not directory) ***\n", true};
    case EntryKind::directory:
      break;
  }
  return std::nullopt;
}

}  // namespace lomvist
