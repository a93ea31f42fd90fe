#pragma once

#include <cstdio>
#include <string>
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

// How a terminal reads the bytes 0x80-0xFF: as UTF-8, or one by one in an 8-bit character set,
// where 0x80-0x9F are C1 controls even inside what would be valid UTF-8. POSIX finds it from the
// locale; a Windows console is given characters and never asks.
enum class TerminalCharset { utf8, eight_bit };

struct ReportSink {
  std::FILE* stream;
  SinkKind kind;
  TerminalCharset charset = TerminalCharset::utf8;
};

// Whether a person reads what goes to a sink of this kind as it is written.
inline bool is_read_as_written(SinkKind kind) { return kind != SinkKind::bytes; }

// Where `stream` leads, found once, when the run starts.
ReportSink report_sink_for(std::FILE* stream);

// Sends report text to the sink and returns the errno of a failure, or 0. Each call holds whole
// characters, so that a console can be given them decoded; files and pipes get the bytes
// unchanged.
int write_text(ReportSink& sink, std::string_view text);

// Appends `text` as a terminal or console should show a name or an entry: each control character
// in caret notation, as cat -v and less show them (^M, ^[, ^?), so that a value can neither move
// the cursor nor send the terminal commands. Files and pipes get the bytes themselves.
void append_visible(std::string& shown, std::string_view text, TerminalCharset charset);

// ^@ to ^_ for the bytes 0-31, ^? for 127.
inline void append_caret(std::string& shown, unsigned char control) {
  shown += '^';
  shown += static_cast<char>(control ^ 0x40);
}

// The errno that a failed write of the C runtime's stands for. A reader that closed its pipe shows
// as EPIPE on every platform.
int failed_write_error();

}  // namespace lomvist
