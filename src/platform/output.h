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

struct ReportSink {
  std::FILE* stream;
  SinkKind kind;
  ReaderCharset charset = ReaderCharset::utf8;
};

// Whether a person reads what goes to a sink of this kind as it is written.
inline bool is_read_as_written(SinkKind kind) { return kind != SinkKind::bytes; }

// Where `stream` leads, found once, when the run starts, with the character set that the reader
// of a terminal or console decodes by.
ReportSink report_sink_for(std::FILE* stream);

// The character set that a person reading the report decodes by: POSIX reads the locale that the
// environment names, Windows its ANSI code page, in which the report is made.
ReaderCharset reader_charset();

// The character at the start of `text`, which is not empty, as the platform's decoder reads it.
DecodedCharacter decode_with_platform(std::string_view text);

// Sends report text to the sink and returns the errno of a failure, or 0. Each call holds whole
// characters, so that a console can be given them decoded; files and pipes get the bytes
// unchanged.
int write_text(ReportSink& sink, std::string_view text);

// The errno that a failed write of the C runtime's stands for. A reader that closed its pipe shows
// as EPIPE on every platform.
int failed_write_error();

}  // namespace lomvist
