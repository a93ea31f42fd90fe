// The least a checker of this kind must do: split each value at ';', ask stat() about every entry
// and write the entry lines through one large buffer. No lookup rules, no form checks.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  std::string out;
  out.reserve(1 << 22);
  for (int i = 1; i < argc; ++i) {
    const char* value = std::getenv(argv[i]);
    if (value == nullptr) continue;
    std::string copy = value;
    char* cursor = copy.data();
    char* const end = cursor + copy.size();
    while (cursor < end) {
      char* separator = static_cast<char*>(std::memchr(cursor, ';', end - cursor));
      if (separator == nullptr) separator = end;
      *separator = '\0';
      if (separator > cursor) {
        struct stat status;
        const char* prefix = stat(cursor, &status) != 0 ? "U: ("
                             : S_ISDIR(status.st_mode)  ? "D: ("
                                                        : "F: (";
        out.append(prefix, 4).append(cursor, separator - cursor).append(")\n", 2);
      }
      cursor = separator + 1;
    }
    if (out.size() > (1 << 21)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
