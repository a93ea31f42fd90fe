#include <string>

#include "report/sink.h"

namespace lomvist {
namespace {

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

}  // namespace

// As GNU ls decides: by the character set of the locale that the environment names. Where that
// locale is not installed but its name says UTF-8, as often over ssh, UTF-8 is what the terminal
// reads, as less assumes too. Where no locale names a set, 0x80-0x9F are controls to every 8-bit
// terminal, and showing them costs a UTF-8 one no more than a few letters.
ReaderCharset charset_of_locale(const char* locale, const char* codeset, std::string_view named) {
  if (locale == nullptr) {
    return names_utf8(codeset_named_by(named)) ? ReaderCharset::utf8 : ReaderCharset::each_byte;
  }
  if (names_utf8(codeset)) return ReaderCharset::utf8;
  const std::string_view name = locale;
  return name == "C" || name == "POSIX" ? ReaderCharset::each_byte : ReaderCharset::platform;
}

}  // namespace lomvist
