#include "manager/program_settings.h"

#include <cstdint>

#include "platform/registry.h"
#include "platform/registry_key.h"

namespace manager {
namespace {

constexpr std::uint32_t kSettingBufferBytes = 260;

}  // namespace

std::optional<std::string> ReadProgramSetting(const std::string& name) {
  platform::RegistryKey key;
  if (key.Open(platform::kHkeyCurrentUser, kProgramSettingsKey, platform::kKeyRead) !=
      platform::kErrSuccess)
    return std::nullopt;
  std::uint32_t type = 0;
  std::string data;
  if (key.QueryRaw(name.c_str(), kSettingBufferBytes, &type, &data) != platform::kErrSuccess ||
      data.empty())
    return std::nullopt;
  // A value stored without its terminator ends where the data ends.
  std::size_t end = data.find('\0');
  if (end != std::string::npos) data.resize(end);
  return data;
}

void WriteProgramSetting(const std::string& name, const std::string& value) {
  platform::RegistryKey key;
  if (key.Create(platform::kHkeyCurrentUser, kProgramSettingsKey, platform::kKeyAllAccess) !=
      platform::kErrSuccess)
    return;
  key.WriteString(name.c_str(), value);
}

}  // namespace manager
