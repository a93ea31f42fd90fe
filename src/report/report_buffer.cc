#include "report/report_buffer.h"

#include <cerrno>
#include <string>

#include "platform/output.h"
#include "report/visible_text.h"

namespace lomvist {
namespace {

void keep_first_error(ReportBuffer& buffer, int error) {
  if (buffer.write_error == 0) buffer.write_error = error;
}

}  // namespace

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
  append_visible(shown, value, buffer.sink.charset);
  put_text(buffer, shown);
}

void hand_over(ReportBuffer& buffer, std::string_view too_large) {
  if (buffer.used != 0) {
    keep_first_error(buffer,
                     write_text(buffer.sink, std::string_view(buffer.bytes.get(), buffer.used)));
  }
  buffer.used = 0;
  if (!too_large.empty()) keep_first_error(buffer, write_text(buffer.sink, too_large));
}

// What stdio still holds goes out here, and a failure that no write returned, as of a flush
// inside one, is still on the stream's error flag.
int finish_report(ReportBuffer& buffer) {
  hand_over(buffer);
  if (std::fflush(buffer.sink.stream) != 0) keep_first_error(buffer, failed_write_error());
  if (std::ferror(buffer.sink.stream)) keep_first_error(buffer, EIO);
  return buffer.write_error;
}

}  // namespace lomvist
