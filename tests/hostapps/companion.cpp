// A sample companion module for the end-to-end tests: it says on the host's
// command line every call with a list of names that it receives, as
// "companion <file> <code> [name,name]".
#include <string>

#include "host/host_access.h"
#include "platform/modules.h"
#include "platform/path.h"

extern "C" __declspec(dllexport) int acrxEntryPoint(int message, void* packet) {
  host::Host* h = host::Get();
  if (!h) return host::kRetError;
  if (message == host::kInitAppMsg) {
    h->dynamicLinker()->unlockApplication(packet);
    return host::kRetOK;
  }
  if (message == host::kCompanionLoaded || message == host::kCompanionUnloading) {
    platform::PathParts parts = platform::SplitPath(platform::ThisModulePath());
    std::string text = "companion " + parts.base + parts.ext + " " + std::to_string(message) + " [";
    const auto* list = static_cast<const host::NameList*>(packet);
    for (std::uint32_t i = 0; list && i < list->count; ++i)
    {
      if (i) text += ',';
      text += list->names[i];
    }
    text += "]";
    h->print(text.c_str());
  }
  return host::kRetOK;
}
