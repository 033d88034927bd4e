#include "model/registry_paths.h"

namespace model {

std::string AcadId(const std::string& productKey) {
  const std::string prefix = kAutodeskPrefix;
  std::string id;
  std::size_t from = 0;
  for (std::size_t at = productKey.find(prefix); at != std::string::npos;
       at = productKey.find(prefix, from)) {
    id.append(productKey, from, at - from);
    from = at + prefix.size();
  }
  id.append(productKey, from, std::string::npos);
  return id;
}

std::string AppRootPath(const std::string& productKey) {
  bool oldRelease = productKey.find("\\R15.0\\") != std::string::npos ||
                    productKey.find("\\R8\\") != std::string::npos;
  return productKey + (oldRelease ? "\\QyApps\\Arvenlo" : "\\Applications\\Arvenlo");
}

std::string AppRegistryPath(const std::string& productKey) {
  return AppRootPath(productKey) + "\\Applications";
}

std::string StdLoadOrderPath(const std::string& productKey) {
  return AppRootPath(productKey) + "\\StdLoadOrder";
}

std::string ProfilesKeyPath(const std::string& productKey) { return productKey + "\\Profiles"; }

std::string ProfileKeyPath(const std::string& productKey, const std::string& profile) {
  return ProfilesKeyPath(productKey) + "\\" + profile;
}

std::string ProfileArvenloKeyPath(const std::string& productKey, const std::string& profile) {
  return ProfileKeyPath(productKey, profile) + "\\Arvenlo";
}

std::string ProfileLinksKeyPath(const std::string& productKey, const std::string& profile) {
  return ProfileArvenloKeyPath(productKey, profile) + "\\Applications";
}

std::string LinkKeyPath(const std::string& productKey, const std::string& profile,
                        const std::string& app) {
  return ProfileLinksKeyPath(productKey, profile) + "\\" + app;
}

}  // namespace model
