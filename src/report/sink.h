#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace lomvist {

// What the report is written to, as far as a person reading it goes.
enum class SinkKind {
  bytes,     // a file or a pipe: the bytes themselves, as they are gathered
  terminal,  // bytes that a person reads as they come, with a value's controls shown
  console,   // Windows: a console, given characters, with a value's controls shown
  // Windows: a character device not yet written to. A console opened for writing only, as cmd
  // opens `> CON`, cannot be asked what it is; the first write tells, and settles the kind.
  device_not_yet_written,
};

// How the person at a terminal or console decodes the bytes into characters.
enum class ReaderCharset {
  each_byte,  // no character set is named: every byte is one, and 0x80-0x9F are C1 controls
  utf8,
  platform,  // the platform's decoder: the locale's character set, or Windows' ANSI code page
};

// A character as the reader decodes it: the bytes it takes, and its code point, or kNoCharacter
// where its first byte starts no valid character.
struct DecodedCharacter {
  std::size_t length;
  char32_t code;
};
constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// A POSIX terminal's reader, from the locale that setlocale set (null where it could not), that
// locale's codeset, and the locale that the environment names.
ReaderCharset charset_of_locale(const char* locale, const char* codeset, std::string_view named);

struct ReportSink {
  std::FILE* stream;
  SinkKind kind;
  ReaderCharset charset = ReaderCharset::utf8;
};

// Whether a person reads what goes to a sink of this kind as it is written.
inline bool is_read_as_written(SinkKind kind) { return kind != SinkKind::bytes; }

}  // namespace lomvist
