// The test registry on Windows (under Wine): the real one, so only the keys
// the tests write are removed, and the user's real AppData folder is used.
#include "tests/reglib/reg_fixture.h"

namespace regtest {

void ResetRegistry() {
  for (RegHandle root : {kHkcu, kHklm}) {
    DeleteTree(root, "Software\\Autodesk");
    DeleteTree(root, "Software\\ArvenloTest");
  }
}

std::string AppDataFolder() {
  std::optional<std::string> folder = ReadString(
      kHkcu, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData");
  return folder.value_or(std::string());
}

}  // namespace regtest
