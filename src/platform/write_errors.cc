#include <cerrno>

#include "platform/output.h"

namespace lomvist {
namespace {

int first_write_error = 0;

}  // namespace

void note_write_error(int error) {
  if (first_write_error == 0) first_write_error = error;
}

// A terminal's flush after each entry may have failed unseen; only the stream's error flag
// remembers it. Consoles are written directly and never held back.
int finish_writing(std::FILE* stream) {
  if (std::fflush(stream) != 0) note_write_error(failed_write_error());
  if (std::ferror(stream)) note_write_error(EIO);
  return first_write_error;
}

}  // namespace lomvist
