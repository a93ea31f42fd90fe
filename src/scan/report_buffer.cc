#include "scan/report_buffer.h"

#include "platform/platform.h"

namespace lomvist {

ReportBuffer make_report_buffer(std::FILE* out) {
  return ReportBuffer{out, is_terminal(out), std::unique_ptr<char[]>(new char[kReportBufferBytes])};
}

void put_text_slowly(ReportBuffer& buffer, std::string_view text) {
  hand_over(buffer);
  if (text.size() > kReportBufferBytes) {
    write_text(buffer.out, text);
  } else {
    put_text(buffer, text);
  }
}

// On POSIX the entry goes through stdio, which may hold it back even on a terminal (glibc sends
// on each line; a C library may buffer a terminal fully), so it is flushed. On Windows a console
// gets it from WriteConsoleW at once, and the flush finds nothing to send.
void end_entry(ReportBuffer& buffer) {
  if (!buffer.interactive) return;
  hand_over(buffer);
  std::fflush(buffer.out);
}

void hand_over(ReportBuffer& buffer) {
  if (buffer.used == 0) return;
  write_text(buffer.out, std::string_view(buffer.bytes.get(), buffer.used));
  buffer.used = 0;
}

}  // namespace lomvist
