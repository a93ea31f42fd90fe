#include "scan/report_buffer.h"

#include "platform/platform.h"

namespace lomvist {
namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

}  // namespace

ReportBuffer make_report_buffer(std::FILE* out) {
  ReportBuffer buffer{out, is_terminal(out), std::vector<char>(kBufferBytes)};
  return buffer;
}

void put_text_slowly(ReportBuffer& buffer, std::string_view text) {
  hand_over(buffer);
  if (text.size() > buffer.bytes.size()) {
    std::fwrite(text.data(), 1, text.size(), buffer.out);
  } else {
    put_text(buffer, text);
  }
}

// The flush is for C runtimes that buffer a console stream fully.
void end_entry(ReportBuffer& buffer) {
  if (!buffer.interactive) return;
  hand_over(buffer);
  std::fflush(buffer.out);
}

void hand_over(ReportBuffer& buffer) {
  std::fwrite(buffer.bytes.data(), 1, buffer.used, buffer.out);
  buffer.used = 0;
}

}  // namespace lomvist
