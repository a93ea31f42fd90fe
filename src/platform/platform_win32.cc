#include <io.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cwchar>

#include "platform/platform.h"

namespace lomvist {
namespace {

// Characters that the ANSI code page cannot hold come out as '?' or a similar letter.
std::string to_ansi(const wchar_t* wide, int length) {
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide, length, text.data(), size, nullptr, nullptr);
  return text;
}

HANDLE console_of(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  if (descriptor < 0) return nullptr;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// A console shows bytes in its output code page (OEM by default), not in the ANSI code page that
// the report is made of, so it is given the characters themselves. Line ends stay CR LF, as the
// text stream writes them to files.
void write_console(HANDLE console, std::string_view text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return;
  std::wstring decoded(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, decoded.data(), length);
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
      return;
    }
    done += written;
  }
}

}  // namespace

EnvironmentSnapshot take_environment_snapshot() {
  EnvironmentSnapshot snapshot;
  wchar_t* block = GetEnvironmentStringsW();
  if (block == nullptr) return snapshot;
  for (const wchar_t* entry = block; *entry != L'\0';) {
    const std::size_t length = std::wcslen(entry);
    // A wide character may best-fit to '=', so the ANSI text is what decides.
    std::string text = to_ansi(entry, static_cast<int>(length));
    if (!text.empty() && text.front() != '=') snapshot.push_back(std::move(text));
    entry += length + 1;
  }
  FreeEnvironmentStringsW(block);
  return snapshot;
}

std::uint32_t query_attributes(const char* path) { return GetFileAttributesA(path); }

bool names_equal(const char* a, const char* b, std::size_t length) {
  if (length > static_cast<std::size_t>(INT_MAX)) return false;
  const int n = static_cast<int>(length);
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a, n, b, n) == CSTR_EQUAL;
}

// _isatty() is also true for NUL, which shows nothing.
bool is_terminal(std::FILE* stream) { return console_of(stream) != nullptr; }

void write_text(std::FILE* stream, std::string_view text) {
  if (const HANDLE console = console_of(stream)) return write_console(console, text);
  std::fwrite(text.data(), 1, text.size(), stream);
}

// Windows keeps all 32 bits of the status.
int exit_status_for(int total) { return total; }

}  // namespace lomvist
