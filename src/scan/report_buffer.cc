#include "scan/report_buffer.h"

#include <string>

namespace lomvist {

ReportBuffer make_report_buffer(const ReportSink& sink) {
  return ReportBuffer{sink, std::unique_ptr<char[]>(new char[kReportBufferBytes])};
}

// A text larger than the whole buffer, such as a very long entry, leaves whole and uncopied, after
// what came before it: a console must be given whole characters.
void put_text_past_the_end(ReportBuffer& buffer, std::string_view text) {
  if (text.size() > kReportBufferBytes) return hand_over(buffer, text);
  hand_over(buffer);
  put_text(buffer, text);
}

void put_visibly(ReportBuffer& buffer, std::string_view value) {
  std::string shown;
  append_visible(shown, value);
  put_text(buffer, shown);
}

void hand_over(ReportBuffer& buffer, std::string_view too_large) {
  if (buffer.used != 0) write_text(buffer.sink, std::string_view(buffer.bytes.get(), buffer.used));
  buffer.used = 0;
  if (!too_large.empty()) write_text(buffer.sink, too_large);
}

}  // namespace lomvist
