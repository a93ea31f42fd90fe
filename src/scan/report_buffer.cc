#include "scan/report_buffer.h"

#include <string>

namespace lomvist {

ReportBuffer make_report_buffer(const ReportSink& sink) {
  return ReportBuffer{sink, std::unique_ptr<char[]>(new char[kReportBufferBytes])};
}

// A text larger than the whole buffer, such as a very long entry, gets a buffer that holds it,
// so that it still leaves in one piece: a console must be given whole characters.
void put_text_past_the_end(ReportBuffer& buffer, std::string_view text) {
  hand_over(buffer);
  if (text.size() > buffer.capacity) {
    buffer.bytes.reset(new char[text.size()]);
    buffer.capacity = text.size();
  }
  put_text(buffer, text);
}

void put_visibly(ReportBuffer& buffer, std::string_view value) {
  std::string shown;
  append_visible(shown, value);
  put_text(buffer, shown);
}

void hand_over(ReportBuffer& buffer) {
  if (buffer.used == 0) return;
  write_text(buffer.sink, std::string_view(buffer.bytes.get(), buffer.used));
  buffer.used = 0;
}

}  // namespace lomvist
