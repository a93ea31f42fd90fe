#include <windows.h>

#include "platform/platform.h"
#include "platform/platform_win32.h"

namespace lomvist {
namespace {

// Opened for its attributes alone: access 0 asks for no more, and FILE_FLAG_BACKUP_SEMANTICS is
// what lets a folder be opened at all.
bool read_file_information(const char* path, DWORD flags, FILE_INFO_BY_HANDLE_CLASS kind,
                           void* info, DWORD size) {
  const HANDLE file =
      CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const BOOL read = GetFileInformationByHandleEx(file, kind, info, size);
  CloseHandle(file);
  return read;
}

}  // namespace

bool follows_reparse_tag(std::uint32_t tag) { return IsReparseTagNameSurrogate(tag) != 0; }

// GetFileAttributesA describes a link or junction itself. A path lookup goes on to its target, so
// the target is judged, as a careful stat() does on Windows, and a target that is gone leaves the
// entry missing. The open without FILE_FLAG_OPEN_REPARSE_POINT follows the link; FileBasicInfo
// asks for the attributes alone, where the volume serial number and file index that
// GetFileInformationByHandle also wants are refused by some network file systems. A reparse point
// whose tag cannot be read is not known to be a link and keeps its own attributes too.
std::uint32_t query_attributes(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return attributes;
  }
  FILE_ATTRIBUTE_TAG_INFO own{};
  if (!read_file_information(path, FILE_FLAG_OPEN_REPARSE_POINT, FileAttributeTagInfo, &own,
                             sizeof own) ||
      !follows_reparse_tag(own.ReparseTag)) {
    return attributes;
  }
  FILE_BASIC_INFO target{};
  return read_file_information(path, 0, FileBasicInfo, &target, sizeof target)
             ? target.FileAttributes
             : kInvalidAttributes;
}

}  // namespace lomvist
