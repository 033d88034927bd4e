#include "inhost/registry_values.h"

#include <vector>

#include "inhost/build.h"

namespace inhost {

namespace {
Build g_build = Build::kAcad;
}  // namespace

Build CurrentBuild() { return g_build; }
void SetBuild(Build build) { g_build = build; }

std::optional<std::string> ReadHostString(platform::RegHandle key, const char* name,
                                          std::uint32_t maxChars) {
  std::vector<std::uint8_t> buffer(maxChars + 1, 0);
  std::uint32_t type = 0;
  std::uint32_t size = maxChars + 1;
  if (platform::RegQuery(key, name, &type, buffer.data(), &size) != platform::kErrSuccess)
    return std::nullopt;
  bool typeOk = type == platform::kRegSz || (type == platform::kRegExpandSz && !IsLtBuild());
  if (!typeOk) return std::nullopt;
  if (size == 0) return std::string();
  if (size > maxChars + 1 || buffer[size - 1] != 0) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(buffer.data()));
}

std::optional<std::uint32_t> ReadHostDword(platform::RegHandle key, const char* name) {
  std::uint32_t value = 0;
  std::uint32_t type = 0;
  std::uint32_t size = sizeof value;
  if (platform::RegQuery(key, name, &type, reinterpret_cast<std::uint8_t*>(&value), &size) !=
          platform::kErrSuccess ||
      type != platform::kRegDword || size != 4)
    return std::nullopt;
  return value;
}

std::string ApplicationRoot(const std::string& productKey) {
  bool old = productKey.find("\\R15.0\\") != std::string::npos ||
             productKey.find("\\R8\\") != std::string::npos;
  return productKey + (old ? "\\QyApps\\Arvenlo" : "\\Applications\\Arvenlo");
}

std::string ProfileNotesKey(const std::string& productKey, const std::string& profile) {
  return productKey + "\\Profiles\\" + profile + "\\Arvenlo";
}

}  // namespace inhost
