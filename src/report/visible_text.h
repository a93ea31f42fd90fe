#pragma once

#include <string>
#include <string_view>

#include "report/sink.h"

namespace lomvist {

// Appends `text` as a terminal or console should show a name or an entry: each character that
// the reader decodes to a control, and each byte 0x80-0x9F that is no part of a character, in
// caret notation, as cat -v and less show them (^M, ^[, ^?, M-^[), so that a value can neither
// move the cursor nor send the terminal commands. Every other character stays, as its bytes.
void append_visible(std::string& shown, std::string_view text, ReaderCharset charset);

// The UTF-8 character at the start of `text`, which is not empty: no overlong forms, no
// surrogates, nothing above U+10FFFF.
DecodedCharacter decode_utf8(std::string_view text);

}  // namespace lomvist
