// A sample add-on application for the end-to-end tests: it says on the host's
// command line when it is loaded (with the working directory it found) and
// unloaded, under the name of its own file, so that one build copied under
// several names plays several applications. A file whose name begins with
// "refuse" answers its initialisation with the error code.
#include <string>

#include "host/host_access.h"
#include "platform/current_dir.h"
#include "platform/modules.h"
#include "platform/path.h"

namespace {

std::string OwnName() {
  platform::PathParts parts = platform::SplitPath(platform::ThisModulePath());
  return parts.base + parts.ext;
}

void Say(const std::string& text) {
  if (host::Host* h = host::Get()) h->print(text.c_str());
}

}  // namespace

extern "C" __declspec(dllexport) int acrxEntryPoint(int message, void* packet) {
  host::Host* h = host::Get();
  if (!h) return host::kRetError;
  if (message == host::kInitAppMsg) {
    std::string name = OwnName();
    if (name.rfind("refuse", 0) == 0) {
      Say("hostapp " + name + " refuses");
      return host::kRetError;
    }
    h->dynamicLinker()->unlockApplication(packet);
    h->dynamicLinker()->registerAppMDIAware(packet);
    Say("hostapp " + name + " loaded cwd=" + platform::CurrentDirectory());
  } else if (message == host::kUnloadAppMsg) {
    Say("hostapp " + OwnName() + " unloaded");
  }
  return host::kRetOK;
}
