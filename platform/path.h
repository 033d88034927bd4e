// Splitting and joining paths the way the Windows C runtime's _splitpath
// does, accepting both "\" and "/" as separators.
#pragma once

#include <string>

namespace platform {

struct PathParts {
  std::string drive;   // "C:" or empty
  std::string folder;  // with its trailing separator, or empty
  std::string base;    // file name without extension
  std::string ext;     // with the dot, or empty
};

PathParts SplitPath(const std::string& path);

// drive + folder of `path` (ends with a separator unless empty).
std::string FolderOf(const std::string& path);

// `path` with its extension (if any) replaced by `ext` (which has its dot).
std::string ReplaceExtension(const std::string& path, const std::string& ext);

}  // namespace platform
