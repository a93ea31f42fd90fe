#include <windows.h>

#include <climits>

#include "platform/output.h"
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

// The report is made in the ANSI code page, and a console is given it decoded by that page.
ReaderCharset reader_charset() {
  return GetACP() == CP_UTF8 ? ReaderCharset::utf8 : ReaderCharset::platform;
}

// In 1252 five bytes decode to C1 controls (0x81, 0x8D, 0x8F, 0x90, 0x9D); in 932 the bytes
// 0x81-0x9F lead double-byte characters, and 0x80 alone is U+0080.
DecodedCharacter decode_with_platform(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const int length = IsDBCSLeadByteEx(CP_ACP, lead) && text.size() >= 2 ? 2 : 1;
  wchar_t decoded[2] = {};
  if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, decoded, 2) != 1) {
    return {1, kNoCharacter};
  }
  return {static_cast<std::size_t>(length), decoded[0]};
}

}  // namespace lomvist
