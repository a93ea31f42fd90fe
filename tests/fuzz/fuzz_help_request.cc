// Compares help-request detection with its five rules, spelled out independently.
#include <cctype>
#include <cstdint>
#include <string>

#include "driver/driver.h"
#include "require.h"

namespace {

std::string ascii_lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return text;
}

bool expected_help(const std::string& argument) {
  const std::string lower = ascii_lower(argument);
  return (argument.size() >= 1 && (argument[0] == '?' || argument[0] == '-')) ||
         (argument.size() >= 2 && argument[1] == '?') || lower == "/h" || lower == "/help";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string argument(reinterpret_cast<const char*>(data), size);
  argument = argument.substr(0, argument.find('\0'));
  REQUIRE(lomvist::is_help_request(argument.c_str()) == expected_help(argument));
  return 0;
}
