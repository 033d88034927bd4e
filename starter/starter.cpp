#include "starter/starter.h"

#include <vector>

#include "platform/registry_key.h"

namespace starter {

namespace {

// The per-profile key and the Profiles key are opened for reading, setting
// values and creating subkeys; the set-up key for reading only.
constexpr std::uint32_t kProfileAccess = 0x2001F;
constexpr std::uint32_t kMaxStringBytes = 520;

}  // namespace

std::string SetupKeyPath(const std::string& productKey) {
  bool old = productKey.find("\\R15.0\\") != std::string::npos ||
             productKey.find("\\R8\\") != std::string::npos;
  return productKey + (old ? "\\QyApps\\" : "\\Applications\\") + "Arvenlo";
}

std::optional<std::string> ReadStarterString(platform::RegHandle key, const char* name) {
  std::vector<std::uint8_t> buffer(kMaxStringBytes, 0);
  std::uint32_t type = 0;
  std::uint32_t size = kMaxStringBytes;
  if (platform::RegQuery(key, name, &type, buffer.data(), &size) != platform::kErrSuccess)
    return std::nullopt;
  if (type != platform::kRegSz && type != platform::kRegExpandSz) return std::nullopt;
  if (size == 0) return std::string();
  if (size > kMaxStringBytes || buffer[size - 1] != 0) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(buffer.data()));
}

bool RequestTest(const std::string& productKey) {
  std::string profile;
  {
    platform::RegistryKey profiles;
    if (profiles.Open(platform::kHkeyCurrentUser, productKey + "\\Profiles", kProfileAccess) ==
        platform::kErrSuccess)
      profile = ReadStarterString(profiles.handle(), "").value_or("");
  }
  // Without a current profile there is no profile key to look in.
  if (profile.empty()) return false;
  platform::RegistryKey notes;
  if (notes.Open(platform::kHkeyCurrentUser, productKey + "\\Profiles\\" + profile + "\\Arvenlo",
                 kProfileAccess) != platform::kErrSuccess)
    return false;
  std::uint32_t type = 0;
  std::uint32_t value = 0;
  std::uint32_t size = sizeof value;
  if (platform::RegQuery(notes.handle(), "RunPM", &type, reinterpret_cast<std::uint8_t*>(&value),
                         &size) != platform::kErrSuccess ||
      type != platform::kRegDword || size != 4)
    return false;
  if (value == 1)
    platform::RegRemoveValue(notes.handle(), "RunPM");
  else if (value != 2)
    return false;
  notes.WriteDword("PMByStrr", 1);
  return true;
}

bool LoadModules(host::Host& host, const std::string& productKey) {
  platform::RegistryKey setup;
  if (setup.Open(platform::kHkeyLocalMachine, SetupKeyPath(productKey), platform::kKeyRead) !=
      platform::kErrSuccess)
    return false;
  std::optional<std::string> ae = ReadStarterString(setup.handle(), "AePath");
  std::optional<std::string> ce = ReadStarterString(setup.handle(), "CePath");
  std::optional<std::string> pm = ReadStarterString(setup.handle(), "PmPath");
  // The linker is asked for afresh each time: a module loaded meanwhile may
  // have changed what the host holds.
  for (const std::optional<std::string>* companion : {&ae, &ce}) {
    if (!*companion) continue;
    if (host::DynamicLinker* linker = host.dynamicLinker())
      linker->loadModule((*companion)->c_str(), false, true);
  }
  if (!pm) return false;
  host::DynamicLinker* linker = host.dynamicLinker();
  return linker && linker->loadModule(pm->c_str(), false, true);
}

int EntryPoint(host::Host* host, int message, void* appId) {
  if (message != host::kInitAppMsg || !host) return host::kRetError;
  host::DynamicLinker* linker = host->dynamicLinker();
  if (!linker) return host::kRetError;
  linker->unlockApplication(appId);
  linker->registerAppMDIAware(appId);
  const char* key = linker->ProductKey();
  std::string productKey = key ? key : "";
  if (!RequestTest(productKey)) return host::kRetError;
  return LoadModules(*host, productKey) ? host::kRetOK : host::kRetError;
}

}  // namespace starter
