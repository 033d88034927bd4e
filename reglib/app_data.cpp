// Removing an application's per-user data folder, AppData\Publisher\Product,
// named by a section of the registration ini.
#include <string>

#include "platform/file_writable.h"
#include "platform/files.h"
#include "reglib/core.h"
#include "reglib/ini_reader.h"
#include "reglib/reg_key.h"

namespace reglib {
namespace {

using namespace platform;

// A name that stays one folder below its parent: not empty, not "." or
// "..", no separator and no drive.
bool IsPlainFolderName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("\\/:") == std::string::npos;
}

std::string AppDataFolder() {
  RegKey shellFolders;
  if (shellFolders.Open(kHkeyCurrentUser,
                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        kKeyRead) != kErrSuccess)
    return std::string();
  std::string folder;
  shellFolders.QueryString("AppData", &folder, 260);
  return folder;
}

bool IsLink(std::uint32_t attributes) { return (attributes & kAttrReparsePoint) != 0; }

// Deletes what `folder` holds. A junction or symbolic link is removed
// itself; what it points to is never entered.
bool EmptyFolder(const std::string& folder) {
  for (const FolderEntry& entry : ListFolder(folder)) {
    const std::string path = folder + "\\" + entry.name;
    const bool isFolder = (entry.attributes & kAttrDirectory) != 0;
    if (IsLink(entry.attributes)) {
      bool removed = isFolder ? (RemoveFolder(path) || DeleteOneFile(path))
                              : (DeleteOneFile(path) || RemoveFolder(path));
      if (!removed) return false;
    } else if (isFolder) {
      if (!EmptyFolder(path) || !RemoveFolder(path)) return false;
    } else {
      if ((entry.attributes & kAttrReadOnly) != 0) MakeWritable(path);
      if (!DeleteOneFile(path)) return false;
    }
  }
  return true;
}

}  // namespace

int DeleteAppDataIniEx(const char* iniPath, const char* section) {
  if (!iniPath || !section) return 0;
  const IniSection ini(iniPath, section);
  const std::string publisher = ini.Text("Publisher", 64);
  const std::string product = ini.Text("ProductName", 260);
  const std::string appData = AppDataFolder();
  if (appData.empty()) return 0;
  // Only ever the application's own folder below AppData.
  if (!IsPlainFolderName(publisher) || !IsPlainFolderName(product)) return 0;
  const std::string folder = appData + "\\" + publisher + "\\" + product;
  const std::uint32_t attributes = FileAttributes(folder);
  if (attributes == kInvalidFileAttributes) return 0;
  if (IsLink(attributes)) return RemoveFolder(folder) ? 1 : 0;
  if ((attributes & kAttrDirectory) == 0) return 0;
  if (!EmptyFolder(folder)) return 0;
  return RemoveFolder(folder) ? 1 : 0;
}

}  // namespace reglib
