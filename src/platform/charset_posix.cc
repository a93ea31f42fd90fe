#include <langinfo.h>

#include <clocale>
#include <cwchar>
#include <string>

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

// A codeset matches in any spelling: UTF-8, utf8, Utf-8.
bool names_utf8(std::string_view codeset) {
  std::string folded;
  for (const char c : codeset) {
    if (c != '-' && c != '_') folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
  }
  return folded == "utf8";
}

// en_US.UTF-8@euro names the codeset UTF-8.
std::string_view codeset_named_by(std::string_view locale) {
  const std::size_t dot = locale.find('.');
  if (dot == std::string_view::npos) return {};
  const std::string_view rest = locale.substr(dot + 1);
  return rest.substr(0, rest.find('@'));
}

// As GNU ls decides: by the character set of the locale that the environment names. Where that
// locale is not installed but its name says UTF-8, as often over ssh, UTF-8 is what the terminal
// reads, as less assumes too. Where no locale names a set, 0x80-0x9F are controls to every 8-bit
// terminal, and showing them costs a UTF-8 one no more than a few letters. `locale` is the one that
// setlocale set (null where it could not), `codeset` its character set, `named` the one that the
// environment names.
ReaderCharset charset_of_locale(const char* locale, const char* codeset, std::string_view named) {
  if (locale == nullptr) {
    return names_utf8(codeset_named_by(named)) ? ReaderCharset::utf8 : ReaderCharset::each_byte;
  }
  if (names_utf8(codeset)) return ReaderCharset::utf8;
  const std::string_view name = locale;
  return name == "C" || name == "POSIX" ? ReaderCharset::each_byte : ReaderCharset::platform;
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
