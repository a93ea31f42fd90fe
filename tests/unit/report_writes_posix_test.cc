#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "report_texts.h"

namespace lomvist {
namespace {

using lomvist_test::heading;
using lomvist_test::missing;
using lomvist_test::not_set;
using lomvist_test::summary;

// Each write that reaches the stream's file, as a terminal would get it.
ssize_t record(void* writes, const char* data, std::size_t size) {
  static_cast<std::vector<std::string>*>(writes)->emplace_back(data, size);
  return static_cast<ssize_t>(size);
}

// A person sees each part as soon as it is known, before anything that may wait: the heading
// before the first query, each entry with its findings, the summary and the usage text.
TEST(ReportSink, ATerminalGetsEachPartOfTheReportAsAWriteOfItsOwn) {
  std::vector<std::string> writes;
  cookie_io_functions_t recorder{};
  recorder.write = record;
  std::FILE* stream = fopencookie(&writes, "w", recorder);
  ASSERT_NE(stream, nullptr);
  ReportBuffer report = make_report_buffer({stream, SinkKind::terminal});
  const char* const arguments[] = {"lomvist", "LIB", "-h", "UNSET"};
  EXPECT_EQ(run_arguments(4, arguments, {R"(LIB=T:\a;T:\b)"}, report), 3);
  EXPECT_EQ(finish_report(report), 0);
  std::fclose(stream);
  EXPECT_EQ(writes,
            (std::vector<std::string>{heading("LIB"), missing(R"(T:\a)"), missing(R"(T:\b)"),
                                      summary("LIB", 2), usage_text, not_set("UNSET")}));
}

}  // namespace
}  // namespace lomvist
