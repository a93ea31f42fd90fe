#include <gtest/gtest.h>

#include <string>

#include "report/visible_text.h"

namespace lomvist {
namespace {

struct VisibleCase {
  const char* what;
  std::string text;
  std::string utf8;       // as a UTF-8 reader is shown it
  std::string each_byte;  // as a reader in no named character set is shown it
};

// Besides the C0 controls and DEL, what each reader decodes to a C1 control (U+0080-U+009F) is
// shown, and so is every byte that is no part of a character, as cat -v shows it. To a reader of
// no named character set, every byte 0x80-0x9F is a C1 control: it reads C3 9B 32 4A as A-tilde,
// CSI, "2J", and clears the screen.
const VisibleCase kVisibleCases[] = {
    {"first C0 control", "a\x01z", "a^Az", "a^Az"},
    {"last C0 control", "a\x1fz", "a^_z", "a^_z"},
    {"escape and carriage return", "\x1b[2J\r", "^[[2J^M", "^[[2J^M"},
    {"space and tilde stay", " ~", " ~", " ~"},
    {"DEL", "a\x7fz", "a^?z", "a^?z"},
    {"first C1 pair", "\xc2\x80", "M-^@", "\xc2M-^@"},
    {"last C1 pair, APC", "\xc2\x9f", "M-^_", "\xc2M-^_"},
    {"a C1 pair at the end", "T:\\x\xc2\x9b", "T:\\xM-^[", "T:\\x\xc2M-^["},
    {"a lone C2 at the end", "T:\\x\xc2", "T:\\xM-B", "T:\\x\xc2"},
    {"no-break space stays", "a\xc2\xa0z", "a\xc2\xa0z", "a\xc2\xa0z"},
    {"a letter stays", "caf\xc3\xa9", "caf\xc3\xa9", "caf\xc3\xa9"},
    {"a character whose last byte is 0x9F", "\xe2\x80\x9f", "\xe2\x80\x9f", "\xe2M-^@M-^_"},
    {"a four-byte character", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80", "\xf0M-^_M-^XM-^@"},
    {"8-bit CSI",
     "a\x9b"
     "2J",
     "aM-^[2J", "aM-^[2J"},
    {"the first and last 8-bit C1 bytes", "\x80\x9f", "M-^@M-^_", "M-^@M-^_"},
    {"C3 9B is a letter or A-tilde and CSI",
     "\xc3\x9b"
     "2J",
     "\xc3\x9b"
     "2J",
     "\xc3M-^[2J"},
    {"an overlong form of CSI", "\xc0\x9b", "M-@M-^[", "\xc0M-^["},
    {"a surrogate's bytes", "\xed\xa0\x80", "M-mM- M-^@", "\xed\xa0M-^@"},
    {"a character cut short at the end", "\xe2\x80", "M-bM-^@", "\xe2M-^@"},
    {"Latin-1 letters are no UTF-8", "caf\xe9 \xa0\xff", "cafM-i M- M-^?", "caf\xe9 \xa0\xff"},
    {"the first overlong three-byte form", "\xe0\x80\x80", "M-`M-^@M-^@", "\xe0M-^@M-^@"},
    {"the last overlong three-byte form", "\xe0\x9f\xbf", "M-`M-^_M-?", "\xe0M-^_\xbf"},
    {"a lead byte last", "a\xc2", "aM-B", "a\xc2"},
    {"two bytes of three last", "a\xe2\x82", "aM-bM-^B", "a\xe2M-^B"},
    {"a third byte that does not continue", "\xe2\x82\x41", "M-bM-^BA", "\xe2M-^BA"},
    {"a third byte that starts a character", "\xe2\x82\xc3\xa9", "M-bM-^B\xc3\xa9",
     "\xe2M-^B\xc3\xa9"},
    {"a fourth byte that does not continue", "\xf0\x9f\x98\x41", "M-pM-^_M-^XA", "\xf0M-^_M-^XA"},
    {"bytes from 0x80", "\x80\x9d\xc2\x9f\xa0\xff", "M-^@M-^]M-^_M- M-^?",
     "M-^@M-^]\xc2M-^_\xa0\xff"},
    {"a double-byte character whose second byte is a backslash", "\x95\x5c", "M-^U\\", "M-^U\\"},
};

TEST(AppendVisible, EachReaderIsShownWhatItDecodesToControls) {
  for (const VisibleCase& c : kVisibleCases) {
    for (const auto& [charset, expected] : {std::pair{ReaderCharset::utf8, c.utf8},
                                            std::pair{ReaderCharset::each_byte, c.each_byte}}) {
      std::string shown = "(";
      append_visible(shown, c.text, charset);
      EXPECT_EQ(shown, "(" + expected)
          << c.what << (charset == ReaderCharset::utf8 ? ", UTF-8" : ", each byte");
    }
  }
}

}  // namespace
}  // namespace lomvist
