#include <io.h>
#include <windows.h>

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

bool is_terminal(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  return descriptor >= 0 && _isatty(descriptor);
}

// Windows keeps all 32 bits of the status.
int exit_status_for(int total) { return total; }

}  // namespace lomvist
