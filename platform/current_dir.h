// The process's current (working) directory.
#pragma once

#include <string>

namespace platform {

// GetCurrentDirectoryA: the current directory, empty when it cannot be read.
std::string CurrentDirectory();

// SetCurrentDirectoryA; false when the folder cannot be made current.
bool ChangeCurrentDirectory(const std::string& path);

}  // namespace platform
