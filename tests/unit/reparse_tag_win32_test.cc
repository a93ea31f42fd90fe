#include <gtest/gtest.h>
#include <windows.h>

#include "platform/platform_win32.h"

namespace lomvist {
namespace {

// Wine makes no reparse points, so the decision is checked on the tags Windows documents.
TEST(ReparseTag, OnlyLinksAndJunctionsAreFollowed) {
  const struct {
    const char* what;
    DWORD tag;
    bool followed;
  } cases[] = {
      {"symbolic link", IO_REPARSE_TAG_SYMLINK, true},
      {"junction or mount point", IO_REPARSE_TAG_MOUNT_POINT, true},
      {"App Execution Alias", IO_REPARSE_TAG_APPEXECLINK, false},
      {"cloud placeholder", IO_REPARSE_TAG_CLOUD, false},
      {"cloud placeholder, another variant", IO_REPARSE_TAG_CLOUD_3, false},
      {"OneDrive", IO_REPARSE_TAG_ONEDRIVE, false},
      {"deduplicated file", IO_REPARSE_TAG_DEDUP, false},
      {"Azure File Sync tiered file", IO_REPARSE_TAG_STORAGE_SYNC, false},
      {"container layer", IO_REPARSE_TAG_WCI, false},
      {"no tag read", 0, false},
  };
  for (const auto& c : cases) EXPECT_EQ(follows_reparse_tag(c.tag), c.followed) << c.what;
}

}  // namespace
}  // namespace lomvist
