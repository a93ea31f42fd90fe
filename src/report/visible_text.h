#pragma once

#include <string>
#include <string_view>

#include "platform/output.h"

namespace lomvist {

// Appends `text` as a terminal or console should show a name or an entry: each character that
// the reader decodes to a control, and each byte that is no part of a character, as cat -v shows
// them (^M, ^[, ^?, M-^[, M-0), so that a value can neither move the cursor nor send the terminal
// commands, nor leave a byte that the report's next text would complete. Every other character
// stays, as its bytes.
void append_visible(std::string& shown, std::string_view text, ReaderCharset charset);

// The UTF-8 character at the start of `text`, which is not empty: no overlong forms, no
// surrogates, nothing above U+10FFFF.
DecodedCharacter decode_utf8(std::string_view text);

}  // namespace lomvist
