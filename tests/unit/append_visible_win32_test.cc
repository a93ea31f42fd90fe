#include <gtest/gtest.h>

#include <string>

#include "platform/output.h"

namespace lomvist {
namespace {

// The report is in the ANSI code page here, where C0 controls and DEL are single bytes that no
// double-byte character contains. C1 controls are shown after the console's decoding, so their
// bytes stay.
TEST(AppendVisible, WindowsShowsC0AndDelAndKeepsOtherBytes) {
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
      {"bytes from 0x80 stay", "\x80\x9d\xc2\x9f\xa0\xff", "\x80\x9d\xc2\x9f\xa0\xff"},
      {"a C1 pair at the end", "T:\\x\xc2\x9b", "T:\\x\xc2\x9b"},
      {"a lone C2 at the end", "T:\\x\xc2", "T:\\x\xc2"},
      {"C2 A0", "a\xc2\xa0z", "a\xc2\xa0z"},
      {"a double-byte character whose second byte is a backslash", "\x95\x5c", "\x95\x5c"},
  };
  for (const auto& c : cases) {
    std::string shown = "(";
    append_visible(shown, c.text);
    EXPECT_EQ(shown, "(" + c.shown) << c.what;
  }
}

}  // namespace
}  // namespace lomvist
