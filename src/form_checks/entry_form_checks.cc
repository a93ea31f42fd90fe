#include "form_checks/entry_form_checks.h"

namespace lomvist {
namespace {

// Only the six ASCII whitespace characters: bytes 128-255 are letters in some code page.
bool is_whitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool has_surrounding_whitespace(std::string_view entry) {
  return is_whitespace(entry.front()) || is_whitespace(entry.back());
}

bool is_absolute(std::string_view entry) {
  if (entry.size() >= 2 && entry[0] == '\\' && entry[1] == '\\') return true;
  return entry.size() >= 3 && entry[1] == ':' && entry[2] == '\\';
}

// Looks at each pair of neighbours from the second character on, so that the two backslashes
// opening a network path pass. A character that is not a backslash ends no pair and starts none,
// so the search steps over both pairs that hold it.
bool has_doubled_backslash(std::string_view entry) {
  for (std::size_t last = 2; last < entry.size();) {
    if (entry[last] != '\\') {
      last += 2;
    } else if (entry[last - 1] == '\\') {
      return true;
    } else {
      ++last;
    }
  }
  return false;
}

void add(FormFindings& findings, const char* text, bool serious) {
  findings.items[findings.count++] = Finding{text, serious};
}

}  // namespace

FormFindings diagnose_entry(std::string_view entry) {
  FormFindings findings;
  if (entry.empty()) return findings;
  if (has_surrounding_whitespace(entry)) {
    add(findings, "   *** has leading/trailing space(s) ***\n", true);
  }
  if (entry.find('%') != std::string_view::npos) {
    add(findings, "   *** contains % ***\n", true);
  } else if (entry.find('?') != std::string_view::npos) {
    add(findings, "   *** contains ? ***\n", true);
  }
  if (!is_absolute(entry)) add(findings, "   *** is not an absolute path ***\n", true);
  if (has_doubled_backslash(entry)) add(findings, "       has extra backslash\n", false);
  return findings;
}

}  // namespace lomvist
