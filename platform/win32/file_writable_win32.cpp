// The read-only attribute on Windows.
#include <windows.h>

#include "platform/file_writable.h"

namespace platform {
namespace {

bool SetReadOnly(const std::string& path, bool readOnly) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  DWORD wanted = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                          : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  if (wanted == attributes) return true;
  return SetFileAttributesA(path.c_str(), wanted) != FALSE;
}

}  // namespace

bool MakeWritable(const std::string& path) { return SetReadOnly(path, false); }
bool MakeReadOnly(const std::string& path) { return SetReadOnly(path, true); }

}  // namespace platform
