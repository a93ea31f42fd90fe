#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace lomvist {

// "NAME=value" texts in the order the process received them; entries that begin with '=' are
// left out, as Windows keeps its per-drive current folders there.
using EnvironmentSnapshot = std::vector<std::string>;

// Reads the process's environment once, at start-up.
EnvironmentSnapshot take_environment_snapshot();

// Attribute bits as Windows reports them; every platform maps its own query onto these.
constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
constexpr std::uint32_t kDirectoryAttribute = 0x10;

// The attributes of `path`, taken unchanged, or kInvalidAttributes when the query fails.
std::uint32_t query_attributes(const char* path);

// Whether the first `length` bytes of `a` and `b` spell the same variable name. POSIX folds A to
// Z alone, as names there are plain bytes; Windows compares them as its own environment does.
bool names_equal(const char* a, const char* b, std::size_t length);

// A to Z as a to z, and every other byte unchanged: the only letters the program folds itself.
inline char fold_ascii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `stream` shows on a terminal or console, where a report should appear as it grows.
bool is_terminal(std::FILE* stream);

// Where the report goes, and whether a person reads it there as it is written, as found once when
// the run starts.
struct ReportSink {
  std::FILE* stream;
  bool terminal;
};

// Appends `text` as a terminal or console should show a name or an entry: each control character
// in caret notation, as cat -v and less show them (^M, ^[, ^?), so that a value can neither move
// the cursor nor send the terminal commands. Files and pipes get the bytes themselves.
void append_visible(std::string& shown, std::string_view text);

// ^@ to ^_ for the bytes 0-31, ^? for 127.
inline void append_caret(std::string& shown, unsigned char control) {
  shown += '^';
  shown += static_cast<char>(control ^ 0x40);
}

// The one place where report text leaves the program. Each call holds whole characters, so that
// a console can be given them decoded; files and pipes get the bytes unchanged.
void write_text(std::FILE* stream, std::string_view text);

// Sends what `stream` still holds and returns the errno of the first write of the report that
// failed, or 0 when all of it went out. A reader that closed its pipe shows as EPIPE on every
// platform.
int finish_writing(std::FILE* stream);

// The process exit status that carries `total` to the parent without wrapping around.
int exit_status_for(int total);

}  // namespace lomvist
