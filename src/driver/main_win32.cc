#include <windows.h>

#include <string>
#include <vector>

#include "driver/driver.h"
#include "platform/platform_win32.h"

// Whether the C runtime expands wildcards in the arguments is a toolchain default; pinned off
// here, `*` reaches the checks as the user wrote it and `?` stays a help request.
extern "C" {
int _dowildcard = 0;
}

// The C runtime splits wide arguments by the same rules as narrow ones, but converts narrow ones
// with best fit: a fullwidth percent sign would arrive as '%'. Converted here, it arrives as '?'.
int wmain(int argc, wchar_t** argv) {
  // Left to the parent's mode (usually 0), an entry on an empty card reader or DVD drive raises
  // the "There is no disk in the drive" box, and a crash the error-reporting one: an unattended
  // run would wait on them for good. With these the query fails at once and the entry is missing.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX |
               SEM_NOOPENFILEERRORBOX);
  std::vector<std::string> texts;
  for (int i = 0; i < argc; ++i) texts.push_back(lomvist::to_ansi(argv[i]));
  std::vector<const char*> arguments;
  for (const std::string& text : texts) arguments.push_back(text.c_str());
  arguments.push_back(nullptr);
  return lomvist::run_process(argc, arguments.data());
}
