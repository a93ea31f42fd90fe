#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <string>

#include "platform/output.h"

namespace lomvist {
namespace {

// The length of the valid UTF-8 character that starts at `at`, or 0 when none does: no overlong
// forms, no surrogates, nothing above U+10FFFF.
std::size_t utf8_length(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || at + length > text.size()) return 0;
  const auto second = static_cast<unsigned char>(text[at + 1]);
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (second < low || second > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if (next < 0x80 || next > 0xBF) return 0;
  }
  return length;
}

// As cat -v shows a byte 0x80-0x9F: M-^[ for 0x9B.
void append_meta_caret(std::string& shown, unsigned char c1) {
  shown += "M-";
  append_caret(shown, static_cast<unsigned char>(c1 - 0x80));
}

// As GNU ls decides: by the character set of the locale that the environment names. The locale
// is put back, so that nothing else of the run depends on it.
TerminalCharset locale_charset() {
  const std::string saved = std::setlocale(LC_CTYPE, nullptr);
  const bool utf8 =
      std::setlocale(LC_CTYPE, "") != nullptr && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  std::setlocale(LC_CTYPE, saved.c_str());
  return utf8 ? TerminalCharset::utf8 : TerminalCharset::eight_bit;
}

}  // namespace

// Files and pipes take bytes, so only a terminal's character set is asked for.
ReportSink report_sink_for(std::FILE* stream) {
  const int descriptor = fileno(stream);
  if (descriptor < 0 || !isatty(descriptor)) return {stream, SinkKind::bytes};
  return {stream, SinkKind::terminal, locale_charset()};
}

// Besides the bytes 1-31 and 127, the C1 controls (CSI, OSC, ...) that terminals obey. To a UTF-8
// terminal they are U+0080 to U+009F, the pairs C2 80 to C2 9F, and the bytes 0x80-0x9F outside
// a valid character, which a terminal switched to an 8-bit mode obeys as they stand. To an 8-bit
// terminal every byte 0x80-0x9F is one: it reads C3 9B 32 4A as A-tilde, CSI, "2J", and clears
// the screen. Every other character stays.
void append_visible(std::string& shown, std::string_view text, TerminalCharset charset) {
  const bool utf8 = charset == TerminalCharset::utf8;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte >= 0x80 && utf8 ? utf8_length(text, i) : 1;
    if (byte < 0x20 || byte == 0x7F) {
      append_caret(shown, byte);
    } else if ((length == 0 || !utf8) && byte >= 0x80 && byte <= 0x9F) {
      append_meta_caret(shown, byte);
    } else if (byte == 0xC2 && length == 2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      append_meta_caret(shown, static_cast<unsigned char>(text[i + 1]));
    } else {
      shown.append(text.substr(i, length == 0 ? 1 : length));
    }
    i += length == 0 ? 1 : length;
  }
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
