#include <windows.h>

#include <climits>
#include <cwchar>

#include "platform/platform.h"
#include "platform/platform_win32.h"

namespace lomvist {
namespace {

// Best fit would turn a fullwidth semicolon, backslash or percent sign into the character it
// resembles and change what an entry means. UTF-8 holds every character and takes no such flag.
DWORD no_best_fit_flags() { return GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS; }

}  // namespace

// The first call only sizes the result; what the second one wrote is what counts.
std::wstring to_wide(const char* text, int length) {
  if (length <= 0) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), size);
  wide.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return wide;
}

std::string to_ansi(std::wstring_view wide) {
  if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(wide.size());
  const DWORD flags = no_best_fit_flags();
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

// Windows keeps all 32 bits of the status.
int exit_status_for(int total) { return total; }

}  // namespace lomvist
