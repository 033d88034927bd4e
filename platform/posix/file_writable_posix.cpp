// The read-only mark on posix: the write permission bits. Paths may use "\"
// like Windows ones. A symbolic link has no mark of its own.
#include <sys/stat.h>

#include "platform/file_writable.h"
#include "platform/posix/native_path.h"

namespace platform {
namespace {

bool SetReadOnly(const std::string& path, bool readOnly) {
  std::string native = posix::NativePath(path);
  struct stat info;
  if (lstat(native.c_str(), &info) != 0) return false;
  if (S_ISLNK(info.st_mode)) return true;
  mode_t mode = readOnly ? (info.st_mode & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH))
                         : (info.st_mode | S_IWUSR);
  return chmod(native.c_str(), mode & 07777) == 0;
}

}  // namespace

bool MakeWritable(const std::string& path) { return SetReadOnly(path, false); }
bool MakeReadOnly(const std::string& path) { return SetReadOnly(path, true); }

}  // namespace platform
