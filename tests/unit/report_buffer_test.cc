#include "report/report_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace lomvist {
namespace {

std::string contents(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  return text;
}

// ftell counts what the stream has been given, buffered or not.
long handed_over(std::FILE* file) { return std::ftell(file); }

TEST(ReportBuffer, ATerminalGetsEachEntryAsItEnds) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  for (const bool interactive : {true, false}) {
    std::rewind(file);
    ReportBuffer buffer =
        make_report_buffer({file, interactive ? SinkKind::terminal : SinkKind::bytes});
    put_text(buffer, "D: (C:\\a)\n");
    EXPECT_EQ(handed_over(file), 0);
    show_now(buffer);
    EXPECT_EQ(handed_over(file), interactive ? 10 : 0) << interactive;
    hand_over(buffer);
    EXPECT_EQ(handed_over(file), 10);
  }
  std::fclose(file);
}

TEST(ReportBuffer, TextLargerThanTheBufferKeepsItsPlace) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ReportBuffer buffer = make_report_buffer({file, SinkKind::bytes});
  const std::string large(kReportBufferBytes + 1, 'x');
  const std::string fills(kReportBufferBytes - 1, 'y');
  put_text(buffer, "U: (");
  put_text(buffer, large);
  put_text(buffer, ")\n");
  put_text(buffer, fills);
  put_text(buffer, "end\n");
  hand_over(buffer);
  EXPECT_EQ(contents(file), "U: (" + large + ")\n" + fills + "end\n");
  std::fclose(file);
}

}  // namespace
}  // namespace lomvist
