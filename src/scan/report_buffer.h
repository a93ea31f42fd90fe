#pragma once

#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/platform.h"

namespace lomvist {

// Gathers a variable's entry lines and findings and hands them to the stream in large writes:
// a stdio call per line would cost more than the file-system query that the line reports. On a
// terminal everything is handed over after each entry, so the report still grows line by line.
constexpr std::size_t kReportBufferBytes = 1 << 16;

struct ReportBuffer {
  ReportSink sink;
  std::unique_ptr<char[]> bytes;  // left uninitialised: zeroing it cost more than a short report
  std::size_t used = 0;
};

ReportBuffer make_report_buffer(const ReportSink& sink);
void put_text_slowly(ReportBuffer& buffer, std::string_view text);
void put_visibly(ReportBuffer& buffer, std::string_view value);
void end_entry(ReportBuffer& buffer);
void hand_over(ReportBuffer& buffer);

// Inline, so that copying a short constant costs a move or two.
inline void put_text(ReportBuffer& buffer, std::string_view text) {
  if (buffer.used + text.size() > kReportBufferBytes) return put_text_slowly(buffer, text);
  std::memcpy(buffer.bytes.get() + buffer.used, text.data(), text.size());
  buffer.used += text.size();
}

// A name or an entry: its bytes for a file or a pipe, its control characters visible on a terminal.
inline void put_value(ReportBuffer& buffer, std::string_view value) {
  if (buffer.sink.terminal) return put_visibly(buffer, value);
  put_text(buffer, value);
}

}  // namespace lomvist
