#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

namespace lomvist {
namespace {

// A POSIX terminal takes UTF-8: besides the C0 controls and DEL, the C1 controls U+0080-U+009F,
// the pairs C2 80 to C2 9F, are shown. Every other character stays as it is.
TEST(AppendVisible, PosixTerminalShowsC0C1AndDel) {
  const struct {
    const char* what;
    std::string text;
    std::string shown;
  } cases[] = {
      {"first C0 control", "a\x01z", "a^Az"},
      {"last C0 control", "a\x1fz", "a^_z"},
      {"escape and carriage return", "\x1b[2J\r", "^[[2J^M"},
      {"space and tilde stay", " ~", " ~"},
      {"DEL", "a\x7fz", "a^?z"},
      {"first C1 pair", "\xc2\x80", "M-^@"},
      {"last C1 pair, APC", "\xc2\x9f", "M-^_"},
      {"a C1 pair at the end", "T:\\x\xc2\x9b", "T:\\xM-^["},
      {"a lone C2 at the end", "T:\\x\xc2", "T:\\x\xc2"},
      {"no-break space stays", "a\xc2\xa0z", "a\xc2\xa0z"},
      {"a letter stays", "caf\xc3\xa9", "caf\xc3\xa9"},
  };
  for (const auto& c : cases) {
    std::string shown = "(";
    append_visible(shown, c.text);
    EXPECT_EQ(shown, "(" + c.shown) << c.what;
  }
}

}  // namespace
}  // namespace lomvist
