// A file's read-only mark. Windows refuses to delete a read-only file, so
// whoever deletes one clears the mark first; the posix backend maps the mark
// to the owner's write permission.
#pragma once

#include <string>

namespace platform {

bool MakeWritable(const std::string& path);
bool MakeReadOnly(const std::string& path);

}  // namespace platform
