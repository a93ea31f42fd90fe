#include <langinfo.h>

#include <clocale>
#include <cwchar>

#include "platform/output.h"

extern char** environ;

namespace lomvist {
namespace {

// The value of the first entry named `name` (with its '='), as getenv finds it, even where a later
// duplicate says otherwise.
std::string_view first_value(std::string_view name) {
  for (char** entry = environ; entry && *entry; ++entry) {
    const std::string_view text = *entry;
    if (text.substr(0, name.size()) == name) return text.substr(name.size());
  }
  return {};
}

// The locale that decides LC_CTYPE, as setlocale reads the variables: an empty one counts as
// unset. environ is read rather than asked through getenv, whose binding every run would pay for
// at start-up.
std::string_view named_locale() {
  for (const std::string_view name : {"LC_ALL=", "LC_CTYPE=", "LANG="}) {
    const std::string_view value = first_value(name);
    if (!value.empty()) return value;
  }
  return {};
}

}  // namespace

// Only a locale that mbrtowc decodes by stays set, and only for LC_CTYPE.
ReaderCharset reader_charset() {
  const char* locale = std::setlocale(LC_CTYPE, "");
  const ReaderCharset charset =
      charset_of_locale(locale, locale ? nl_langinfo(CODESET) : "", named_locale());
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
