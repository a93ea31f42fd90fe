#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <cstdio>

#include "platform/output.h"

namespace lomvist {
namespace {

// The report reaches a terminal entry by entry only where the terminal is recognised.
TEST(ReportSink, APseudoTerminalIsATerminalAndAPipeOrAFileIsNot) {
  int controller = -1;
  int terminal = -1;
  ASSERT_EQ(openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  const struct {
    const char* what;
    std::FILE* stream;
    bool terminal;
  } cases[] = {
      {"pseudo-terminal", fdopen(terminal, "w"), true},
      {"pipe", fdopen(pipe_ends[1], "w"), false},
      {"file", std::tmpfile(), false},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.stream, nullptr) << c.what;
    EXPECT_EQ(report_sink_for(c.stream).kind == SinkKind::terminal, c.terminal) << c.what;
    std::fclose(c.stream);
  }
  close(controller);
  close(pipe_ends[0]);
}

}  // namespace
}  // namespace lomvist
