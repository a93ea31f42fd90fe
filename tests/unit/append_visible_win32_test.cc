#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/windows_host.h"
#include "platform/output.h"
#include "platform/platform_win32.h"

namespace lomvist {
namespace {

struct ShownCase {
  const char* what;
  std::string text;
  std::string shown;
};

// The report is in the ANSI code page here, where C0 controls and DEL are single bytes that no
// double-byte character contains. C1 controls are shown after the console's decoding, so their
// bytes stay.
TEST(AppendVisible, WindowsShowsC0AndDelAndKeepsOtherBytes) {
  const ShownCase cases[] = {
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
    append_visible(shown, c.text, TerminalCharset::utf8);
    EXPECT_EQ(shown, "(" + c.shown) << c.what;
  }
}

void expect_device_shows(const std::vector<ShownCase>& cases) {
  for (const auto& c : cases) EXPECT_EQ(c1_controls_shown(c.text), c.shown) << c.what;
}

// A device that refuses console writes gets the ANSI bytes, with what the code page decodes to a
// C1 control shown as a console shows it. In 1252 that is 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
TEST(AppendVisible, ADeviceShowsWhatCodePage1252DecodesToC1Controls) {
  lomvist_test::require_ansi_code_page(1252);
  expect_device_shows({
      {"the lowest, U+0081", "a\x81z", "aM-^Az"},
      {"OSC and DCS", "\x9d\x90", "M-^]M-^P"},
      {"0x80 is the euro sign", "\x80", "\x80"},
      {"0x9F is Y with diaeresis", "\x9f", "\x9f"},
      {"no-break space", "\xa0", "\xa0"},
  });
}

// In 932 the bytes 0x81-0x9F lead double-byte characters, whose second byte may be 0x80 too, and
// 0x80 alone is U+0080.
TEST(CodePage932, ADeviceShowsOnlyWhatDecodesToC1Controls) {
  ASSERT_EQ(GetACP(), 932u) << "run with WINE_LANG=ja_JP.UTF-8";
  expect_device_shows({
      {"0x80 alone, U+0080", "a\x80z", "aM-^@z"},
      {"the first lead byte, with a fullwidth space", "\x81\x40", "\x81\x40"},
      {"a trail byte 0x80, in the multiplication sign", "\x81\x80", "\x81\x80"},
      {"0x9D leads a character", "\x9d\x5c", "\x9d\x5c"},
      {"the last lead byte in that range", "\x9f\x40", "\x9f\x40"},
  });
}

}  // namespace
}  // namespace lomvist
