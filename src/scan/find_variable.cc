#include "scan/variable_scan.h"

namespace lomvist {

std::optional<std::string_view> find_variable(std::string_view name,
                                              const EnvironmentSnapshot& snapshot) {
  const std::size_t n = name.size();
  for (const std::string& entry : snapshot) {
    if (entry.size() > n && entry[n] == '=' && names_equal(entry.data(), name.data(), n)) {
      return std::string_view(entry).substr(n + 1);
    }
  }
  return std::nullopt;
}

}  // namespace lomvist
