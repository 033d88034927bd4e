#include "tests/platform/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <chrono>
#include <random>
#include <stdexcept>

#include "platform/files.h"

namespace platform_test {

TempFolder::TempFolder() {
  // Test programs may run side by side, so the name is a random one and a
  // name that is taken is simply not used.
  std::random_device seed;
  std::mt19937_64 random(seed() ^
                         static_cast<std::uint64_t>(
                             std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = platform::TempPath() + "arvenlo-test-" + std::to_string(random());
    if (platform::CreateFolder(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no temporary folder could be made below " + platform::TempPath());
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::Join(const std::string& name) const {
  return path_ + platform::PathSeparator() + name;
}

void RemoveTree(const std::string& path) {
  for (const platform::FolderEntry& entry : platform::ListFolder(path)) {
    std::string child = path + platform::PathSeparator() + entry.name;
    if (entry.attributes & platform::kAttrReparsePoint) {
      if (!platform::RemoveFolder(child)) platform::DeleteOneFile(child);
    } else if (entry.attributes & platform::kAttrDirectory) {
      RemoveTree(child);
    } else {
      SetReadOnly(child, false);
      platform::DeleteOneFile(child);
    }
  }
  platform::RemoveFolder(path);
}

#ifdef _WIN32

bool SetReadOnly(const std::string& path, bool readOnly) {
  return SetFileAttributesA(path.c_str(),
                            readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool MakeSymlink(const std::string& target, const std::string& link, bool toFolder) {
  const DWORD kAllowUnprivilegedCreate = 0x2;
  DWORD flags = (toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | kAllowUnprivilegedCreate;
  return CreateSymbolicLinkA(link.c_str(), target.c_str(), flags) != FALSE &&
         platform::FileExists(link);
}

#else

bool SetReadOnly(const std::string& path, bool readOnly) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  mode_t mode = readOnly ? (st.st_mode & ~mode_t{0222}) : (st.st_mode | S_IWUSR);
  return chmod(path.c_str(), mode) == 0;
}

bool MakeSymlink(const std::string& target, const std::string& link, bool) {
  return symlink(target.c_str(), link.c_str()) == 0;
}

#endif

bool LinksCanBeMade() {
  static const bool canBeMade = [] {
    TempFolder folder;
    return MakeSymlink(folder.path(), folder.Join("link"), true);
  }();
  return canBeMade;
}

bool ReadOnlyFilesAreWritable() {
  static const bool writable = [] {
    TempFolder folder;
    std::string path = folder.Join("read-only");
    return platform::WriteWholeFile(path, "x") && SetReadOnly(path, true) &&
           platform::WriteWholeFile(path, "y");
  }();
  return writable;
}

}  // namespace platform_test
