#pragma once

#include <cstdio>
#include <string_view>

#include "report/sink.h"

namespace lomvist {

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
