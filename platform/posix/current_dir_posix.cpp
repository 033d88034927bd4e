// The current directory on posix. Paths may use "\" as the core builds them;
// they are turned into "/" before use. A leading drive ("C:") has no meaning
// here and is refused.
#include <unistd.h>

#include <vector>

#include "platform/current_dir.h"

namespace platform {

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  if (!getcwd(buffer.data(), buffer.size())) return std::string();
  return std::string(buffer.data());
}

bool ChangeCurrentDirectory(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return false;
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  return !native.empty() && chdir(native.c_str()) == 0;
}

}  // namespace platform
