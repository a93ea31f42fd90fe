#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace lomvist_test {

// A row's title as GoogleTest takes a name, letters, digits and single underscores: "-h alone
// writes the usage text" becomes "h_alone_writes_the_usage_text".
inline std::string case_name(const std::string& title) {
  std::string name;
  for (const char c : title) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      name += c;
    } else if (!name.empty() && name.back() != '_') {
      name += '_';
    }
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

// Names each row of a table by its title, so that a failure says which row failed and
// --gtest_filter can pick one.
template <typename Case>
std::string title_of(const testing::TestParamInfo<Case>& row) {
  return case_name(row.param.title);
}

}  // namespace lomvist_test
