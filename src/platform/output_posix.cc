#include <unistd.h>

#include <cerrno>

#include "platform/output.h"

namespace lomvist {

// Files and pipes take bytes, so only a terminal's character set is asked for.
ReportSink report_sink_for(std::FILE* stream) {
  const int descriptor = fileno(stream);
  if (descriptor < 0 || !isatty(descriptor)) return {stream, SinkKind::bytes};
  return {stream, SinkKind::terminal, reader_charset()};
}

// stdio may hold text back even on a terminal (glibc sends on each line; a C library may buffer
// a terminal fully), so a person's copy is flushed, and a terminal that has gone away fails there.
int write_text(ReportSink& sink, std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), sink.stream) != text.size()) {
    return failed_write_error();
  }
  if (sink.kind == SinkKind::terminal && std::fflush(sink.stream) != 0) return failed_write_error();
  return 0;
}

int failed_write_error() { return errno; }

}  // namespace lomvist
