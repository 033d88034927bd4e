// The current directory on Windows.
#include <windows.h>

#include "platform/current_dir.h"

namespace platform {

std::string CurrentDirectory() {
  DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return std::string();
  std::string path(needed, '\0');
  DWORD length = GetCurrentDirectoryA(needed, path.data());
  if (length == 0 || length >= needed) return std::string();
  path.resize(length);
  return path;
}

bool ChangeCurrentDirectory(const std::string& path) { return SetCurrentDirectoryA(path.c_str()) != 0; }

}  // namespace platform
