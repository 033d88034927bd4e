// How the system compares the names of its own things (profiles, products,
// applications, switches) where they match without regard to case: one
// comparison for every deliverable, so that two places never disagree about
// whether two names are the same.
#pragma once

#include <string_view>

namespace platform {

// True when `a` and `b` are the same name without regard to the case of
// the letters A-Z.
inline bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace platform
