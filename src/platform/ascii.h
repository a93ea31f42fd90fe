#pragma once

namespace lomvist {

// A to Z as a to z, and every other byte unchanged: the only letters the program folds itself.
inline char fold_ascii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace lomvist
