#include <langinfo.h>

#include <clocale>
#include <cwchar>

#include "platform/output.h"

namespace lomvist {

// Only a locale that mbrtowc decodes by stays set, and only for LC_CTYPE.
ReaderCharset reader_charset() {
  const char* locale = std::setlocale(LC_CTYPE, "");
  const ReaderCharset charset = charset_of_locale(locale, locale ? nl_langinfo(CODESET) : "");
  if (charset != ReaderCharset::platform) std::setlocale(LC_CTYPE, "C");
  return charset;
}

DecodedCharacter decode_with_platform(std::string_view text) {
  std::mbstate_t state{};
  wchar_t character = 0;
  const std::size_t length = std::mbrtowc(&character, text.data(), text.size(), &state);
  if (length == 0 || length > text.size()) return {1, kNoCharacter};
  return {length, static_cast<char32_t>(character)};
}

}  // namespace lomvist
