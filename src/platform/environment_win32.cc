#include <windows.h>

#include <climits>
#include <cwchar>

#include "platform/platform.h"
#include "platform/platform_win32.h"

namespace lomvist {

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
