#include "form_checks/entry_form_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_texts.h"

namespace lomvist {
namespace {

using lomvist_test::kBackslash;
using lomvist_test::kPercent;
using lomvist_test::kQuestion;
using lomvist_test::kRelative;
using lomvist_test::kSpaces;

std::vector<std::string> texts_of(const FormFindings& findings) {
  std::vector<std::string> texts;
  for (int i = 0; i < findings.count; ++i) texts.emplace_back(findings.items[i].text);
  return texts;
}

TEST(DiagnoseEntry, FindingsInStageOrder) {
  const struct {
    std::string entry;
    std::vector<std::string> findings;
  } cases[] = {
      {R"(C:\Windows)", {}},
      {R"(c:\tools)", {}},
      {R"(1:\tools)", {}},
      {R"(\\server\share)", {}},
      {R"(C:\tools\)", {}},
      {R"(C:\)", {}},
      {"C:tools", {kRelative}},
      {"C:/tools", {kRelative}},
      {R"(\tools)", {kRelative}},
      {"tools", {kRelative}},
      {".", {kRelative}},
      {"C", {kRelative}},
      {"C:", {kRelative}},
      {"//server/share", {kRelative}},
      {R"("C:\Program Files")", {kRelative}},
      {" ", {kSpaces, kRelative}},
      {R"( C:\a )", {kSpaces, kRelative}},
      {"C:\\a ", {kSpaces}},
      {"\tC:\\a", {kSpaces, kRelative}},
      {"C:\\a\t", {kSpaces}},
      {"C:\\a\n", {kSpaces}},
      {"C:\\a\v", {kSpaces}},
      {"C:\\a\f", {kSpaces}},
      {"C:\\a\r", {kSpaces}},
      {"C:\\caf\xe9", {}},
      {"C:\\a\xa0", {}},
      {"\x85"
       "C:\\a",
       {kRelative}},
      {R"(%SystemRoot%\system32)", {kPercent, kRelative}},
      {R"(C:\a%)", {kPercent}},
      {R"(C:\a?b)", {kQuestion}},
      {R"(C:\?%?%)", {kPercent}},
      {R"(C:\a??)", {kQuestion}},
      {R"(\\\server\share)", {kBackslash}},
      {R"(C:\a\\b)", {kBackslash}},
      {R"(C:\a\\b\\c)", {kBackslash}},
      {R"(C:\\)", {kBackslash}},
      {R"(C:\a\\)", {kBackslash}},
      {R"(\\)", {}},
      {R"(\\\)", {kBackslash}},
      {"\\", {kRelative}},
      {R"(a\\)", {kRelative, kBackslash}},
      {R"( %a?\\\ )", {kSpaces, kPercent, kRelative, kBackslash}},
  };
  for (const auto& c : cases) EXPECT_EQ(texts_of(diagnose_entry(c.entry)), c.findings) << c.entry;
}

TEST(DiagnoseEntry, OnlyTheExtraBackslashIsNotSerious) {
  const FormFindings findings = diagnose_entry(R"( %a?\\\ )");
  ASSERT_EQ(findings.count, 4);
  EXPECT_TRUE(findings.items[0].serious);
  EXPECT_TRUE(findings.items[1].serious);
  EXPECT_TRUE(findings.items[2].serious);
  EXPECT_FALSE(findings.items[3].serious);
}

}  // namespace
}  // namespace lomvist
