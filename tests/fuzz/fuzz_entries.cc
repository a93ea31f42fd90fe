// Splits arbitrary bytes as a variable's value and checks the whole report of that variable.
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "form_checks/entry_form_checks.h"
#include "report_texts.h"
#include "require.h"
#include "scan/variable_scan.h"

namespace {

struct FindingLine {
  const std::string& text;
  int stage;
  bool serious;
};

using namespace lomvist_test;
const FindingLine kFindingLines[] = {
    {kMissing, 1, true},  {kFile, 1, true},     {kSpaces, 2, true},     {kPercent, 3, true},
    {kQuestion, 3, true}, {kRelative, 4, true}, {kBackslash, 5, false},
};

// Runs of ';' become one, and none is left at either end.
std::string collapsed(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c != ';') {
      out += c;
    } else if (!out.empty() && out.back() != ';') {
      out += ';';
    }
  }
  if (!out.empty() && out.back() == ';') out.pop_back();
  return out;
}

std::vector<std::string> split(std::string value) {
  std::vector<std::string> entries;
  lomvist::split_entries(value.data(), [&entries](std::string_view entry) {
    REQUIRE(!entry.empty());
    REQUIRE(entry.find(';') == std::string_view::npos);
    REQUIRE(entry.data()[entry.size()] == '\0');
    entries.emplace_back(entry);
  });
  return entries;
}

bool take(const std::string& report, std::size_t& at, const std::string& expected) {
  if (report.compare(at, expected.size(), expected) != 0) return false;
  at += expected.size();
  return true;
}

std::string report_of(const std::string& value, int& result, bool terminal = false,
                      lomvist::ReaderCharset charset = lomvist::ReaderCharset::utf8) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  REQUIRE(out != nullptr);
  lomvist::ReportBuffer gathered = lomvist::make_report_buffer(
      {out, terminal ? lomvist::SinkKind::terminal : lomvist::SinkKind::bytes, charset});
  result = lomvist::check_variable("V", {"V=" + value}, gathered);
  REQUIRE(lomvist::finish_report(gathered) == 0);
  std::fclose(out);
  std::string report(buffer, size);
  std::free(buffer);
  return report;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string value(reinterpret_cast<const char*>(data), size);
  value = value.substr(0, value.find('\0'));

  const std::vector<std::string> entries = split(value);
  std::string joined;
  for (const std::string& entry : entries) joined += (joined.empty() ? "" : ";") + entry;
  REQUIRE(joined == collapsed(value));

  int result = 0;
  const std::string report = report_of(value, result);
  std::size_t at = 0;
  REQUIRE(take(report, at, "\n<<<Checking enviroment variable (V)>>>\n"));
  int serious = 0;
  for (const std::string& entry : entries) {
    const char kind = report[at];
    REQUIRE(kind == 'D' || kind == 'F' || kind == 'U');
    REQUIRE(take(report, ++at, ": (" + entry + ")\n"));
    int last_stage = 0;
    bool existence = false;
    std::string form_lines;
    for (bool more = true; more;) {
      more = false;
      for (const FindingLine& line : kFindingLines) {
        if (!take(report, at, line.text)) continue;
        REQUIRE(line.stage > last_stage);
        last_stage = line.stage;
        existence = existence || line.stage == 1;
        if (line.stage > 1) form_lines += line.text;
        serious += line.serious;
        more = true;
        break;
      }
    }
    REQUIRE(existence == (kind != 'D'));
    // The report's form findings are the ones diagnose_entry gives, in its order.
    const lomvist::FormFindings form = lomvist::diagnose_entry(entry);
    std::string diagnosed;
    for (int i = 0; i < form.count; ++i) diagnosed += form.items[i].text;
    REQUIRE(form_lines == diagnosed);
  }
  if (serious != 0) {
    REQUIRE(
        take(report, at, "\n***** V may have " + std::to_string(serious) + " serious errors\n"));
  }
  REQUIRE(at == report.size());
  REQUIRE(result == serious);

  // A terminal gets the same count, and no control character but the report's own line breaks.
  int shown_result = 0;
  const std::string shown = report_of(value, shown_result, true);
  REQUIRE(shown_result == result);
  // Nor a C1 control (U+0080-U+009F), and every byte is part of a character that the C library's
  // own UTF-8 decoder takes: a lone byte is shown, not left for what follows to complete.
  static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  REQUIRE(utf8);
  std::mbstate_t state{};
  for (std::size_t i = 0; i < shown.size();) {
    const auto byte = static_cast<unsigned char>(shown[i]);
    REQUIRE(byte == '\n' || (byte >= 0x20 && byte != 0x7F));
    wchar_t character = 0;
    const std::size_t length = std::mbrtowc(&character, &shown[i], shown.size() - i, &state);
    REQUIRE(length != static_cast<std::size_t>(-1) && length != static_cast<std::size_t>(-2));
    REQUIRE(character < 0x80 || character > 0x9F);
    i += length == 0 ? 1 : length;
  }
  // An 8-bit terminal gets no byte 0x80-0x9F at all.
  const std::string eight_bit =
      report_of(value, shown_result, true, lomvist::ReaderCharset::each_byte);
  for (const char c : eight_bit) {
    const auto byte = static_cast<unsigned char>(c);
    REQUIRE(byte < 0x80 || byte > 0x9F);
  }
  return 0;
}
