#include <gtest/gtest.h>

#include <string>

#include "platform/output.h"

namespace lomvist {
namespace {

// A POSIX terminal takes UTF-8: besides the C0 controls and DEL, the C1 controls U+0080-U+009F,
// the pairs C2 80 to C2 9F, are shown, and so is a byte 0x80-0x9F that is no part of a valid
// character, which a terminal in an 8-bit mode obeys. Every other character stays as it is.
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
      {"a character whose last byte is 0x9F stays", "\xe2\x80\x9f", "\xe2\x80\x9f"},
      {"a four-byte character stays", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
      {"8-bit CSI, outside UTF-8",
       "a\x9b"
       "2J",
       "aM-^[2J"},
      {"the first and last 8-bit C1 bytes", "\x80\x9f", "M-^@M-^_"},
      {"an overlong form of CSI", "\xc0\x9b", "\xc0M-^["},
      {"a surrogate's bytes", "\xed\xa0\x80", "\xed\xa0M-^@"},
      {"a character cut short at the end", "\xe2\x80", "\xe2M-^@"},
      {"Latin-1 letters stay", "caf\xe9 \xa0", "caf\xe9 \xa0"},
  };
  for (const auto& c : cases) {
    std::string shown = "(";
    append_visible(shown, c.text);
    EXPECT_EQ(shown, "(" + c.shown) << c.what;
  }
}

}  // namespace
}  // namespace lomvist
