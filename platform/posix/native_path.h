// Paths as the posix backend hands them to the system. The core builds paths
// the Windows way, with "\"; the system wants "/". Private to the backend.
#pragma once

#include <string>

namespace platform::posix {

inline std::string NativePath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

}  // namespace platform::posix
