// The test registry on the in-memory backend: emptied outright.
#include "platform/posix/simulation.h"
#include "tests/reglib/reg_fixture.h"

namespace regtest {

void ResetRegistry() {
  platform::posix::ResetRegistry();
  platform::posix::SimulateProcess(platform::posix::ProcessKind::k64BitProcess);
  platform::posix::SetHasDeleteKeyEx(true);
}

std::string AppDataFolder() {
  static const std::string folder = FreshFolder("AppData");
  WriteString(kHkcu, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
              "AppData", folder);
  return folder;
}

}  // namespace regtest
