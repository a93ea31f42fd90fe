#include "scan/report_buffer.h"

#include <string>

namespace lomvist {

ReportBuffer make_report_buffer(const ReportSink& sink) {
  return ReportBuffer{sink, std::unique_ptr<char[]>(new char[kReportBufferBytes])};
}

void put_text_slowly(ReportBuffer& buffer, std::string_view text) {
  hand_over(buffer);
  if (text.size() > kReportBufferBytes) {
    write_text(buffer.sink.stream, text);
  } else {
    put_text(buffer, text);
  }
}

void put_visibly(ReportBuffer& buffer, std::string_view value) {
  std::string shown;
  append_visible(shown, value);
  put_text(buffer, shown);
}

// On POSIX the entry goes through stdio, which may hold it back even on a terminal (glibc sends
// on each line; a C library may buffer a terminal fully), so it is flushed. On Windows a console
// gets it from WriteConsoleW at once, and the flush finds nothing to send.
void end_entry(ReportBuffer& buffer) {
  if (!buffer.sink.terminal) return;
  hand_over(buffer);
  std::fflush(buffer.sink.stream);
}

void hand_over(ReportBuffer& buffer) {
  if (buffer.used == 0) return;
  write_text(buffer.sink.stream, std::string_view(buffer.bytes.get(), buffer.used));
  buffer.used = 0;
}

}  // namespace lomvist
