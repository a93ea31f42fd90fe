#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "report/visible_text.h"
#include "windows_host.h"

namespace lomvist {
namespace {

struct ShownCase {
  const char* what;
  std::string text;
  std::string shown;
};

// As a console or a device is shown a value: decoded by the ANSI code page.
void expect_ansi_reader_shown(const std::vector<ShownCase>& cases) {
  for (const auto& c : cases) {
    std::string shown;
    append_visible(shown, c.text, ReaderCharset::platform);
    EXPECT_EQ(shown, c.shown) << c.what;
  }
}

// In 1252 five bytes decode to C1 controls: 0x81, 0x8D, 0x8F, 0x90 and 0x9D. Every other byte
// is a character, and no double-byte character is below 0x40, so C0 controls stand alone.
TEST(AppendVisible, CodePage1252ShowsWhatItDecodesToControls) {
  lomvist_test::require_ansi_code_page(1252);
  expect_ansi_reader_shown({
      {"the lowest, U+0081", "a\x81z", "aM-^Az"},
      {"OSC and DCS", "\x9d\x90", "M-^]M-^P"},
      {"0x80 is the euro sign", "\x80", "\x80"},
      {"0x9F is Y with diaeresis", "\x9f", "\x9f"},
      {"no-break space", "\xa0", "\xa0"},
      {"C0 controls and DEL", "\x1b[2J\r\x7f", "^[[2J^M^?"},
      {"bytes from 0x80", "\x80\x9d\xc2\x9f\xa0\xff", "\x80M-^]\xc2\x9f\xa0\xff"},
      {"a C1 pair in UTF-8 is two letters", "T:\\x\xc2\x9b", "T:\\x\xc2\x9b"},
      {"C2 A0", "a\xc2\xa0z", "a\xc2\xa0z"},
      {"a character whose second byte is a backslash elsewhere", "\x95\x5c", "\x95\x5c"},
  });
}

// In 932 the bytes 0x81-0x9F lead double-byte characters, whose second byte may be 0x80 too, and
// 0x80 alone is U+0080.
TEST(CodePage932, ADeviceShowsOnlyWhatDecodesToC1Controls) {
  ASSERT_EQ(GetACP(), 932u) << "run with WINE_LANG=ja_JP.UTF-8";
  expect_ansi_reader_shown({
      {"0x80 alone, U+0080", "a\x80z", "aM-^@z"},
      {"the first lead byte, with a fullwidth space", "\x81\x40", "\x81\x40"},
      {"a trail byte 0x80, in the multiplication sign", "\x81\x80", "\x81\x80"},
      {"0x9D leads a character", "\x9d\x5c", "\x9d\x5c"},
      {"the last lead byte in that range", "\x9f\x40", "\x9f\x40"},
      // A lead byte whose trail is no trail is no character, or the ESC would go in the pair.
      {"a lead byte before ESC", "\x81\x1b[2J", "M-^A^[[2J"},
      {"a lead byte from 0xE0 before ESC", "\xe0\x1b", "M-`^["},
  });
}

}  // namespace
}  // namespace lomvist
