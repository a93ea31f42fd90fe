#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

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

// How many bytes the ANSI character at the start of `text` takes: two for a lead byte of a
// double-byte code page, a UTF-8 sequence's length where the code page is UTF-8, else one.
std::size_t ansi_character_length(std::string_view text, bool utf8) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  if (utf8) {
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  } else if (IsDBCSLeadByteEx(CP_ACP, lead)) {
    length = 2;
  }
  return std::min(length, text.size());
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
    // A byte that the code page decodes to a C1 control, as five of 1252 are, shows as cat -v
    // shows it (M-^] for OSC). The report's own text has none.
    if (c >= 0x80 && c <= 0x9F) {
      shown += L"M-^";
      shown += static_cast<wchar_t>(c - 0x80 + 0x40);
      continue;
    }
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
  if (GetConsoleMode(handle, &mode)) return {stream, SinkKind::console};
  if (GetFileType(handle) == FILE_TYPE_CHAR) return {stream, SinkKind::device_not_yet_written};
  return {stream, SinkKind::bytes};
}

// Bytes 1-31 and 127. Looking byte by byte is safe in every ANSI code page: no lead or trail byte
// of a double-byte character is below 0x40 or 127. C1 controls show where the console gets
// characters, or a device the bytes, so the terminal's character set is POSIX's question alone.
void append_visible(std::string& shown, std::string_view text, TerminalCharset) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      append_caret(shown, byte);
    } else {
      shown += c;
    }
  }
}

std::string c1_controls_shown(std::string_view text) {
  const bool utf8 = GetACP() == CP_UTF8;
  std::string shown;
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      shown += text[i++];
      continue;
    }
    const std::string_view character = text.substr(i, ansi_character_length(text.substr(i), utf8));
    wchar_t decoded[2] = {};
    if (MultiByteToWideChar(CP_ACP, 0, character.data(), static_cast<int>(character.size()),
                            decoded, 2) == 1 &&
        decoded[0] >= 0x80 && decoded[0] <= 0x9F) {
      shown += "M-";
      append_caret(shown, static_cast<unsigned char>(decoded[0] - 0x80));
    } else {
      shown += character;
    }
    i += character.size();
  }
  return shown;
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
      // NUL, a serial port or a printer port: it gets the bytes, with what a console would show
      // of them.
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
  // A serial console obeys the C1 controls that a console would have shown.
  const std::string shown = sink.kind == SinkKind::terminal ? c1_controls_shown(text) : "";
  const std::string_view bytes = sink.kind == SinkKind::terminal ? shown : text;
  if (std::fwrite(bytes.data(), 1, bytes.size(), sink.stream) != bytes.size()) {
    return failed_write_error();
  }
  if (sink.kind == SinkKind::terminal && std::fflush(sink.stream) != 0) return failed_write_error();
  return 0;
}

int failed_write_error() { return reader_gone(GetLastError()) ? EPIPE : errno; }

}  // namespace lomvist
