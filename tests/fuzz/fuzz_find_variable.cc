// Looks a name up in a random snapshot and compares with a plain loop over the rule.
#include <cctype>
#include <cstdint>
#include <string>

#include "require.h"
#include "scan/variable_scan.h"

namespace {

// Input: the name, then the snapshot's entries, separated by zero bytes.
lomvist::EnvironmentSnapshot parse(const std::uint8_t* data, std::size_t size, std::string& name) {
  lomvist::EnvironmentSnapshot texts(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      texts.emplace_back();
    } else {
      texts.back() += static_cast<char>(data[i]);
    }
  }
  name = texts.front();
  texts.erase(texts.begin());
  return texts;
}

bool same_letter(char a, char b) {
  const auto fold = [](char c) {
    return static_cast<unsigned char>(c) < 128 ? std::tolower(static_cast<unsigned char>(c))
                                               : static_cast<unsigned char>(c);
  };
  return fold(a) == fold(b);
}

const std::string* reference_lookup(const std::string& name,
                                    const lomvist::EnvironmentSnapshot& snapshot) {
  for (const std::string& entry : snapshot) {
    if (entry.size() <= name.size() || entry[name.size()] != '=') continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) same = same_letter(entry[i], name[i]);
    if (same) return &entry;
  }
  return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string name;
  const lomvist::EnvironmentSnapshot snapshot = parse(data, size, name);
  const std::optional<std::string_view> value = lomvist::find_variable(name, snapshot);
  const std::string* expected = reference_lookup(name, snapshot);
  REQUIRE(value.has_value() == (expected != nullptr));
  if (expected) {
    REQUIRE(value->data() == expected->data() + name.size() + 1);
    REQUIRE(value->size() == expected->size() - name.size() - 1);
  }
  return 0;
}
