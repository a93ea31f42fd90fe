#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/output.h"

namespace lomvist {
namespace {

struct VisibleCase {
  const char* what;
  std::string text;
  std::string shown;
};

void expect_shown(TerminalCharset charset, const std::vector<VisibleCase>& cases) {
  for (const auto& c : cases) {
    std::string shown = "(";
    append_visible(shown, c.text, charset);
    EXPECT_EQ(shown, "(" + c.shown) << c.what;
  }
}

// A UTF-8 terminal: besides the C0 controls and DEL, the C1 controls U+0080-U+009F, the pairs
// C2 80 to C2 9F, are shown, and so is a byte 0x80-0x9F that is no part of a valid character,
// which a terminal switched to an 8-bit mode obeys. Every other character stays as it is.
TEST(AppendVisible, PosixTerminalShowsC0C1AndDel) {
  expect_shown(TerminalCharset::utf8,
               {
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
                   {"the first overlong three-byte form", "\xe0\x80\x80", "\xe0M-^@M-^@"},
                   {"the last overlong three-byte form", "\xe0\x9f\xbf", "\xe0M-^_\xbf"},
                   {"a lead byte last", "a\xc2", "a\xc2"},
                   {"two bytes of three last", "a\xe2\x82", "a\xe2M-^B"},
                   {"a third byte that does not continue", "\xe2\x82\x41", "\xe2M-^BA"},
                   {"a fourth byte that does not continue", "\xf0\x9f\x98\x41", "\xf0M-^_M-^XA"},
               });
}

// A terminal in an 8-bit character set takes every byte 0x80-0x9F for a C1 control, also where
// the bytes would make a valid UTF-8 character.
TEST(AppendVisible, EightBitTerminalShowsEveryByteFrom0x80To0x9F) {
  expect_shown(TerminalCharset::eight_bit,
               {
                   {"C3 9B is A-tilde and CSI",
                    "\xc3\x9b"
                    "2J",
                    "\xc3M-^[2J"},
                   {"the first and last", "\x80\x9f", "M-^@M-^_"},
                   {"a UTF-8 C1 pair", "\xc2\x9b", "\xc2M-^["},
                   {"no-break space and letters stay", "\xa0\xe9\xff", "\xa0\xe9\xff"},
                   {"C0 controls and DEL", "\x1b\x7f", "^[^?"},
               });
}

}  // namespace
}  // namespace lomvist
