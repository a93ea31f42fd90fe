#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/platform.h"

extern char** environ;

// stat() on a 32-bit build fails with EOVERFLOW on large files and 64-bit inode numbers, and an
// existing entry would then be reported missing.
static_assert(sizeof(off_t) == 8, "build with _FILE_OFFSET_BITS=64");

namespace lomvist {
namespace {

int write_error = 0;

void note_failed_write(int error) {
  if (write_error == 0) write_error = error;
}

}  // namespace

EnvironmentSnapshot take_environment_snapshot() {
  EnvironmentSnapshot snapshot;
  for (char** entry = environ; entry && *entry; ++entry) {
    if (**entry != '=') snapshot.emplace_back(*entry);
  }
  return snapshot;
}

// stat() follows symbolic links, as a search-path lookup does: a link to a directory counts as
// a directory and a dangling link as missing.
std::uint32_t query_attributes(const char* path) {
  struct stat status;
  if (stat(path, &status) != 0) return kInvalidAttributes;
  return S_ISDIR(status.st_mode) ? kDirectoryAttribute : 0;
}

// Only A-Z fold, as Windows users expect of PATH and Path.
bool names_equal(const char* a, const char* b, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (fold_ascii(a[i]) != fold_ascii(b[i])) return false;
  }
  return true;
}

bool is_terminal(std::FILE* stream) {
  const int descriptor = fileno(stream);
  return descriptor >= 0 && isatty(descriptor);
}

// Besides the bytes 1-31 and 127, the pairs C2 80 to C2 9F: U+0080-U+009F in UTF-8, the C1
// controls (CSI, OSC, ...) that terminals such as xterm obey. Each shows as cat -v shows the byte
// of that control: M-^[ for CSI. Every other byte of a UTF-8 character stays as it is.
void append_visible(std::string& shown, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = static_cast<unsigned char>(i + 1 < text.size() ? text[i + 1] : 0);
    if (byte < 0x20 || byte == 0x7F) {
      append_caret(shown, byte);
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      shown += "M-";
      append_caret(shown, static_cast<unsigned char>(next - 0x80));
      ++i;
    } else {
      shown += text[i];
    }
  }
}

void write_text(std::FILE* stream, std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stream) != text.size()) note_failed_write(errno);
}

// A terminal's flush after each entry may have failed unseen; only the stream's error flag
// remembers it.
int finish_writing(std::FILE* stream) {
  if (std::fflush(stream) != 0) note_failed_write(errno);
  if (std::ferror(stream)) note_failed_write(EIO);
  return write_error;
}

// A POSIX status keeps 8 bits: 256 findings would read as 0, success.
int exit_status_for(int total) { return total > 255 ? 255 : total; }

}  // namespace lomvist
