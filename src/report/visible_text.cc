#include "report/visible_text.h"

#include "platform/output.h"

namespace lomvist {
namespace {

// Besides C0 and DEL, the C1 controls (CSI, OSC, ...) that terminals obey.
bool is_control(char32_t code) {
  return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
}

// As cat -v shows a byte: ^@ to ^_ for 0-31, ^? for 127, and M- before the same for 0x80-0xFF
// (M-^[ for 0x9B, M-0 for 0xB0, M-^? for 0xFF).
void append_cat_v(std::string& shown, char32_t code) {
  if (code >= 0x80) shown += "M-";
  const auto low = static_cast<char>(code & 0x7F);
  if (low < 0x20 || low == 0x7F) {
    shown += '^';
    shown += static_cast<char>(low ^ 0x40);
  } else {
    shown += low;
  }
}

DecodedCharacter decode(std::string_view text, ReaderCharset charset) {
  switch (charset) {
    case ReaderCharset::utf8:
      return decode_utf8(text);
    case ReaderCharset::platform:
      return decode_with_platform(text);
    case ReaderCharset::each_byte:
      break;
  }
  return {1, static_cast<unsigned char>(text[0])};
}

}  // namespace

DecodedCharacter decode_utf8(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || length > text.size()) return {1, kNoCharacter};
  const auto second = static_cast<unsigned char>(text[1]);
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (second < low || second > high) return {1, kNoCharacter};
  char32_t code = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if (next < 0x80 || next > 0xBF) return {1, kNoCharacter};
    code = code << 6 | (next & 0x3F);
  }
  return {length, code};
}

// Below 0x80 every character set that a terminal runs in reads ASCII, a byte a character. A byte
// that starts no character is shown, never left raw: in a double-byte set the ^ or M that follows
// it would complete it into a character that the value does not hold.
void append_visible(std::string& shown, std::string_view text, ReaderCharset charset) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    DecodedCharacter character{1, byte};
    if (byte >= 0x80) character = decode(text.substr(i), charset);
    if (character.code == kNoCharacter || character.length == 0 ||
        character.length > text.size() - i) {
      append_cat_v(shown, byte);
      ++i;
      continue;
    }
    if (is_control(character.code)) {
      append_cat_v(shown, character.code);
    } else {
      shown.append(text.substr(i, character.length));
    }
    i += character.length;
  }
}

}  // namespace lomvist
