#include "inhost/companion.h"

#include "host/host.h"
#include "inhost/registry_values.h"
#include "platform/modules.h"
#include "platform/registry_key.h"

namespace inhost {

bool NotifyCompanion(const std::string& productKey, const char* which, int code,
                     const std::vector<std::string>& names) {
  platform::RegistryKey root;
  if (root.Open(platform::kHkeyLocalMachine, ApplicationRoot(productKey), platform::kKeyRead) !=
      platform::kErrSuccess)
    return false;
  auto path = ReadHostString(root.handle(), which, 259);
  if (!path || path->empty()) return false;
  platform::ModuleHandle module = platform::FindLoadedModule(*path);
  if (!module) return false;
  auto entry = reinterpret_cast<host::EntryPoint>(
      platform::FindEntryPoint(module, host::kEntryPointName));
  if (!entry) return false;
  std::vector<const char*> texts;
  texts.reserve(names.size());
  for (const std::string& name : names) texts.push_back(name.c_str());
  host::NameList list{static_cast<std::uint32_t>(texts.size()), texts.data()};
  entry(code, &list);
  return true;
}

}  // namespace inhost
