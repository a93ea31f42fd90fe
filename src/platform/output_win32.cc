#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "platform/output.h"
#include "platform/platform_win32.h"

namespace lomvist {
namespace {

HANDLE handle_of(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  return descriptor < 0 ? INVALID_HANDLE_VALUE
                        : reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

// The C runtime calls a pipe whose reader has gone EINVAL; Windows itself still says so.
bool reader_gone(DWORD reason) {
  return reason == ERROR_NO_DATA || reason == ERROR_BROKEN_PIPE ||
         reason == ERROR_PIPE_NOT_CONNECTED;
}

// A console input handle refuses every write with ERROR_INVALID_HANDLE.
int console_write_error() {
  const DWORD reason = GetLastError();
  return reader_gone(reason) ? EPIPE : reason == ERROR_INVALID_HANDLE ? EBADF : EIO;
}

enum class ConsoleWrite { done, refused, failed };

// A console shows bytes in its output code page (OEM by default), not in the ANSI code page that
// the report is made of, so it is given the characters themselves. Line ends stay CR LF, as the
// text stream writes them to files. A handle that takes nothing at once, as NUL does, refused.
ConsoleWrite write_console(HANDLE console, std::string_view text) {
  const std::wstring decoded = to_wide(text.data(), static_cast<int>(text.size()));
  std::wstring shown;
  shown.reserve(decoded.size() + decoded.size() / 8);
  for (const wchar_t c : decoded) {
    if (c == L'\n') shown += L'\r';
    shown += c;
  }
  // Older consoles refuse very large writes; a pair of surrogates stays in one piece.
  constexpr std::size_t kPiece = 8192;
  for (std::size_t done = 0; done < shown.size();) {
    std::size_t piece = std::min(kPiece, shown.size() - done);
    if (piece < shown.size() - done && IS_HIGH_SURROGATE(shown[done + piece - 1])) --piece;
    DWORD written = 0;
    if (!WriteConsoleW(console, shown.data() + done, static_cast<DWORD>(piece), &written,
                       nullptr) ||
        written == 0) {
      return done == 0 ? ConsoleWrite::refused : ConsoleWrite::failed;
    }
    done += written;
  }
  return ConsoleWrite::done;
}

}  // namespace

// GetConsoleMode needs read access, so a console opened for writing only is a character device
// here, as NUL and serial ports are; the first write tells them apart.
ReportSink report_sink_for(std::FILE* stream) {
  const HANDLE handle = handle_of(stream);
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) return {stream, SinkKind::console, reader_charset()};
  if (GetFileType(handle) == FILE_TYPE_CHAR) {
    return {stream, SinkKind::device_not_yet_written, reader_charset()};
  }
  return {stream, SinkKind::bytes};
}

// A console input handle, as cmd's `1>&0` passes, passes for a console and refuses every write:
// that report is lost, not written.
int write_text(ReportSink& sink, std::string_view text) {
  if (text.empty()) return 0;
  switch (sink.kind) {
    case SinkKind::console:
      return write_console(handle_of(sink.stream), text) == ConsoleWrite::done
                 ? 0
                 : console_write_error();
    case SinkKind::device_not_yet_written: {
      const ConsoleWrite first = write_console(handle_of(sink.stream), text);
      // NUL, a serial port or a printer port: it gets the bytes, shown as a console shows them.
      sink.kind = first == ConsoleWrite::refused ? SinkKind::terminal : SinkKind::console;
      if (sink.kind == SinkKind::console) {
        return first == ConsoleWrite::done ? 0 : console_write_error();
      }
      break;
    }
    case SinkKind::bytes:
    case SinkKind::terminal:
      break;
  }
  if (std::fwrite(text.data(), 1, text.size(), sink.stream) != text.size()) {
    return failed_write_error();
  }
  if (sink.kind == SinkKind::terminal && std::fflush(sink.stream) != 0) return failed_write_error();
  return 0;
}

int failed_write_error() { return reader_gone(GetLastError()) ? EPIPE : errno; }

}  // namespace lomvist
