#include "platform/platform_win32.h"

#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cwchar>

#include "platform/platform.h"

namespace lomvist {
namespace {

// Empty when `text` is empty or could not be converted. The first call only sizes the result;
// what the second one wrote is what counts.
std::wstring to_wide(const char* text, int length) {
  if (length <= 0) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), size);
  wide.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return wide;
}

HANDLE handle_of(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  return descriptor < 0 ? INVALID_HANDLE_VALUE
                        : reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

enum class Sink { bytes, console, untried_device };

// What the handle written to is, found once. cmd opens `> CON` for writing only, and
// GetConsoleMode needs read access, so such a console is known only by a console write that
// succeeds. NUL and serial ports are character devices too, and refuse it.
struct KnownSink {
  HANDLE handle = nullptr;
  Sink sink = Sink::bytes;
};
KnownSink known;

int write_error = 0;

// The C runtime calls a pipe whose reader has gone EINVAL; Windows itself still says so.
void note_failed_write(int error) {
  if (write_error != 0) return;
  const DWORD reason = GetLastError();
  const bool reader_gone =
      reason == ERROR_NO_DATA || reason == ERROR_BROKEN_PIPE || reason == ERROR_PIPE_NOT_CONNECTED;
  write_error = reader_gone ? EPIPE : error;
}

Sink sink_of(HANDLE handle) {
  if (handle == known.handle) return known.sink;
  DWORD mode = 0;
  const Sink sink = GetConsoleMode(handle, &mode)           ? Sink::console
                    : GetFileType(handle) == FILE_TYPE_CHAR ? Sink::untried_device
                                                            : Sink::bytes;
  known = {handle, sink};
  return sink;
}

// A console shows bytes in its output code page (OEM by default), not in the ANSI code page that
// the report is made of, so it is given the characters themselves. Line ends stay CR LF, as the
// text stream writes them to files. Returns false when the handle took nothing, as NUL does.
bool write_console(HANDLE console, std::string_view text) {
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
      return done > 0;
    }
    done += written;
  }
  return true;
}

// Best fit would turn a fullwidth semicolon, backslash or percent sign into the character it
// resembles and change what an entry means. UTF-8 holds every character and takes no such flag.
DWORD no_best_fit() { return GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS; }

// Opened for its attributes alone: access 0 asks for no more, and FILE_FLAG_BACKUP_SEMANTICS is
// what lets a folder be opened at all.
bool read_by_handle(const char* path, DWORD flags, FILE_INFO_BY_HANDLE_CLASS kind, void* info,
                    DWORD size) {
  const HANDLE file =
      CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const BOOL read = GetFileInformationByHandleEx(file, kind, info, size);
  CloseHandle(file);
  return read;
}

}  // namespace

std::string to_ansi(std::wstring_view wide) {
  if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(wide.size());
  const DWORD flags = no_best_fit();
  const int size =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  const int written =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), length, text.data(), size, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return text;
}

EnvironmentSnapshot take_environment_snapshot() {
  EnvironmentSnapshot snapshot;
  wchar_t* block = GetEnvironmentStringsW();
  if (block == nullptr) return snapshot;
  for (const wchar_t* entry = block; *entry != L'\0';) {
    const std::size_t length = std::wcslen(entry);
    std::string text = to_ansi(std::wstring_view(entry, length));
    if (!text.empty() && text.front() != '=') snapshot.push_back(std::move(text));
    entry += length + 1;
  }
  FreeEnvironmentStringsW(block);
  return snapshot;
}

bool follows_reparse_tag(std::uint32_t tag) { return IsReparseTagNameSurrogate(tag) != 0; }

// GetFileAttributesA describes a link or junction itself. A path lookup goes on to its target, so
// the target is judged, as a careful stat() does on Windows, and a target that is gone leaves the
// entry missing. The open without FILE_FLAG_OPEN_REPARSE_POINT follows the link; FileBasicInfo
// asks for the attributes alone, where the volume serial number and file index that
// GetFileInformationByHandle also wants are refused by some network file systems. A reparse point
// whose tag cannot be read is not known to be a link and keeps its own attributes too.
std::uint32_t query_attributes(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return attributes;
  }
  FILE_ATTRIBUTE_TAG_INFO own{};
  if (!read_by_handle(path, FILE_FLAG_OPEN_REPARSE_POINT, FileAttributeTagInfo, &own, sizeof own) ||
      !follows_reparse_tag(own.ReparseTag)) {
    return attributes;
  }
  FILE_BASIC_INFO target{};
  return read_by_handle(path, 0, FileBasicInfo, &target, sizeof target) ? target.FileAttributes
                                                                        : kInvalidAttributes;
}

// As Windows compares environment names: ordinal, with its upper-case table. É equals é, but ß
// is not "ss" and a soft hyphen counts like any other character.
bool names_equal(const char* a, const char* b, std::size_t length) {
  if (length > static_cast<std::size_t>(INT_MAX)) return false;
  const std::wstring wide_a = to_wide(a, static_cast<int>(length));
  const std::wstring wide_b = to_wide(b, static_cast<int>(length));
  // CompareStringOrdinal finds two empty texts equal; a name that could not be converted is none.
  if (wide_a.empty() || wide_b.empty()) return length == 0;
  return CompareStringOrdinal(wide_a.data(), static_cast<int>(wide_a.size()), wide_b.data(),
                              static_cast<int>(wide_b.size()), TRUE) == CSTR_EQUAL;
}

// Bytes 1-31 and 127. Looking byte by byte is safe in every ANSI code page: no lead or trail byte
// of a double-byte character is below 0x40 or 127. C1 controls show where the console gets
// characters.
void append_visible(std::string& shown, std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      append_caret(shown, byte);
    } else {
      shown += c;
    }
  }
}

// A character device not yet written to may be a console open for writing only, so it counts as
// one. NUL counts too when the run starts: it gets the report as a console would show it, and
// shows nothing.
bool is_terminal(std::FILE* stream) { return sink_of(handle_of(stream)) != Sink::bytes; }

void write_text(std::FILE* stream, std::string_view text) {
  if (text.empty()) return;
  const HANDLE handle = handle_of(stream);
  switch (sink_of(handle)) {
    case Sink::console:
      write_console(handle, text);
      return;
    case Sink::untried_device:
      known.sink = write_console(handle, text) ? Sink::console : Sink::bytes;
      if (known.sink == Sink::console) return;
      break;
    case Sink::bytes:
      break;
  }
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) note_failed_write(errno);
}

// Consoles are written directly and never held back; only what the C runtime wrote can be lost.
int finish_writing(std::FILE* stream) {
  if (std::fflush(stream) != 0) note_failed_write(errno);
  if (std::ferror(stream)) note_failed_write(EIO);
  return write_error;
}

// Windows keeps all 32 bits of the status.
int exit_status_for(int total) { return total; }

}  // namespace lomvist
