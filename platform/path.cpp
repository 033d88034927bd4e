#include "platform/path.h"

namespace platform {
namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

PathParts SplitPath(const std::string& path) {
  PathParts parts;
  std::string rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    parts.drive = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  std::size_t lastSep = std::string::npos;
  for (std::size_t i = 0; i < rest.size(); ++i)
    if (IsSeparator(rest[i])) lastSep = i;
  std::string name = rest;
  if (lastSep != std::string::npos) {
    parts.folder = rest.substr(0, lastSep + 1);
    name = rest.substr(lastSep + 1);
  }
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) {
    parts.base = name.substr(0, dot);
    parts.ext = name.substr(dot);
  } else {
    parts.base = name;
  }
  return parts;
}

std::string FolderOf(const std::string& path) {
  PathParts parts = SplitPath(path);
  return parts.drive + parts.folder;
}

std::string ReplaceExtension(const std::string& path, const std::string& ext) {
  PathParts parts = SplitPath(path);
  return parts.drive + parts.folder + parts.base + ext;
}

}  // namespace platform
