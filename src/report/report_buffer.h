#pragma once

#include <cstring>
#include <memory>
#include <string_view>

#include "platform/output.h"

namespace lomvist {

constexpr std::size_t kReportBufferBytes = 1 << 16;

// The one way out for the report: every line is gathered here and handed to the sink in large
// writes, since a stdio call per line would cost more than the file-system query that the line
// reports. A person reading a terminal or console is shown each part as soon as it is known. It
// keeps the first write that failed, so the run asks it, not the process, whether all went out.
struct ReportBuffer {
  ReportSink sink;
  std::unique_ptr<char[]> bytes;  // left uninitialised: zeroing it cost more than a short report
  std::size_t used = 0;
  int write_error = 0;  // the errno of the first write that failed
};

ReportBuffer make_report_buffer(const ReportSink& sink);
void put_text_past_the_end(ReportBuffer& buffer, std::string_view text);
void put_visibly(ReportBuffer& buffer, std::string_view value);
// Hands everything gathered to the sink, then `too_large`, a text too large to gather: the one
// place where the report leaves.
void hand_over(ReportBuffer& buffer, std::string_view too_large = {});
// Hands over what is left and flushes the sink; returns the errno of the first write of the
// report that failed, or 0 when all of it went out.
int finish_report(ReportBuffer& buffer);

// Inline, so that copying a short constant costs a move or two.
inline void put_text(ReportBuffer& buffer, std::string_view text) {
  if (buffer.used + text.size() > kReportBufferBytes) return put_text_past_the_end(buffer, text);
  std::memcpy(buffer.bytes.get() + buffer.used, text.data(), text.size());
  buffer.used += text.size();
}

// A name or an entry: its bytes for a file or a pipe, its control characters visible to a person.
inline void put_value(ReportBuffer& buffer, std::string_view value) {
  if (is_read_as_written(buffer.sink.kind)) return put_visibly(buffer, value);
  put_text(buffer, value);
}

// Before anything that may wait, such as the next entry's query: a person sees what is known.
inline void show_now(ReportBuffer& buffer) {
  if (is_read_as_written(buffer.sink.kind)) hand_over(buffer);
}

}  // namespace lomvist
