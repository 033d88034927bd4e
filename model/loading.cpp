#include "model/loading.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "model/discovery.h"
#include "model/products_ini.h"
#include "model/registry_paths.h"

namespace model {
namespace {

// The link order as a number: no position (0) after every real one.
std::uint64_t LinkRank(std::uint32_t loadOrder) {
  return loadOrder == 0 ? (std::uint64_t{1} << 32) : loadOrder;
}

void SetSingle(std::vector<std::string>& list, const std::optional<std::string>& value) {
  list.clear();
  if (value) list.push_back(*value);
}

PMApplication ReadApplication(const platform::RegistryKey& key, const std::string& name,
                              const ReadRules& rules) {
  PMApplication app;
  if (auto loader = ReadText(key, "Loader", rules)) app.m_astrLoaders.push_back(*loader);
  for (int n = 0; n <= 65534; ++n) {
    char valueName[16];
    std::snprintf(valueName, sizeof valueName, "Loader%d", n);
    auto loader = ReadText(key, valueName, rules);
    if (!loader) break;
    app.m_astrLoaders.push_back(*loader);
  }
  SetSingle(app.m_astrCommandGroups, ReadText(key, "CommandGroups", rules));
  SetSingle(app.m_astrModules, ReadText(key, "Modules", rules));
  SetSingle(app.m_astrMenuGroups, ReadText(key, "MenuGroup", rules));
  SetSingle(app.m_astrMenuFiles, ReadText(key, "MenuFile", rules));
  app.m_strTemplate = ReadText(key, "Template", rules).value_or("");
  app.m_strLargeIcon = ReadText(key, "LargeIconName", rules).value_or("");
  app.m_strSmallIcon = ReadText(key, "SmallIconName", rules).value_or("");
  app.m_strShortcutIcon = ReadText(key, "ShortcutIconName", rules).value_or("");
  app.m_bUnloadable = static_cast<std::int32_t>(ReadNumber(key, "Unloadable", rules).value_or(0));
  app.m_strName = name;
  app.m_nStdLoadOrder = 0xFFFFFFFFu;
  return app;
}

}  // namespace

void SortApps(std::vector<PMApplication>& apps) {
  std::stable_sort(apps.begin(), apps.end(), [](const PMApplication& a, const PMApplication& b) {
    return a.m_nStdLoadOrder < b.m_nStdLoadOrder;
  });
}

void SortLinks(std::vector<PMAcadAppLink>& links) {
  std::stable_sort(links.begin(), links.end(),
                   [](const PMAcadAppLink& a, const PMAcadAppLink& b) {
                     return LinkRank(a.m_nLoadOrder) < LinkRank(b.m_nLoadOrder);
                   });
}

std::size_t ReadRegisteredApps(PMAcad& acad, const ReadRules& rules) {
  acad.m_apps.clear();
  const std::uint32_t access = platform::kKeyRead | acad.m_nView;
  platform::RegistryKey appsKey;
  if (appsKey.Open(platform::kHkeyLocalMachine, AppRegistryPath(acad.m_strKey), access) !=
      platform::kErrSuccess)
    return 0;
  std::string name;
  for (std::uint32_t i = 0; EnumSubkey(appsKey, i, &name) == platform::kErrSuccess; ++i) {
    platform::RegistryKey appKey;
    if (appKey.Open(appsKey.handle(), name, access) != platform::kErrSuccess) continue;
    acad.m_apps.push_back(ReadApplication(appKey, name, rules));
  }
  platform::RegistryKey orderKey;
  if (orderKey.Open(platform::kHkeyLocalMachine, StdLoadOrderPath(acad.m_strKey), access) ==
      platform::kErrSuccess) {
    for (PMApplication& app : acad.m_apps) {
      if (auto position = ReadNumber(orderKey, app.m_strName.c_str(), rules))
        app.m_nStdLoadOrder = *position;
    }
  }
  SortApps(acad.m_apps);
  return acad.m_apps.size();
}

std::size_t ReadProfiles(const std::string& productKey, std::string& currentProfile,
                         std::vector<std::string>& names, std::vector<std::string>& descriptions,
                         const ReadRules& rules) {
  names.clear();
  descriptions.clear();
  platform::RegistryKey profiles;
  if (profiles.Open(platform::kHkeyCurrentUser, ProfilesKeyPath(productKey),
                    rules.profileAccess) != platform::kErrSuccess)
    return 0;
  // Without a current profile the installation shows no profiles at all.
  auto current = ReadText(profiles, "", rules);
  if (!current) return 0;
  currentProfile = *current;
  std::string name;
  for (std::uint32_t i = 0; EnumSubkey(profiles, i, &name) == platform::kErrSuccess; ++i) {
    platform::RegistryKey profile;
    if (profile.Open(profiles.handle(), name, rules.profileAccess) != platform::kErrSuccess)
      break;
    names.push_back(name);
    descriptions.push_back(ReadText(profile, "", rules, kDescBytes).value_or(""));
  }
  return names.size();
}

std::size_t ReadLinks(const std::string& productKey, const std::string& profile,
                      std::vector<PMAcadAppLink>& links, const ReadRules& rules) {
  links.clear();
  platform::RegistryKey linksKey;
  if (linksKey.Open(platform::kHkeyCurrentUser, ProfileLinksKeyPath(productKey, profile),
                    rules.profileAccess) != platform::kErrSuccess)
    return 0;
  std::string name;
  for (std::uint32_t i = 0; EnumSubkey(linksKey, i, &name) == platform::kErrSuccess; ++i) {
    PMAcadAppLink link;
    link.m_strApp = name;
    link.m_nState = kLinkEnabled;
    // A link key that cannot be opened still enables the application.
    platform::RegistryKey linkKey;
    if (linkKey.Open(linksKey.handle(), name, rules.profileAccess) == platform::kErrSuccess) {
      link.m_nLoadOrder = ReadNumber(linkKey, "LoadOrder", rules).value_or(0);
      link.m_nMenuLoaded =
          static_cast<std::int32_t>(ReadNumber(linkKey, "MenuLoaded", rules).value_or(0));
    }
    links.push_back(std::move(link));
  }
  return links.size();
}

void LoadInstallation(PMAcad& acad, const ReadRules& rules) {
  ReadRegisteredApps(acad, rules);
  std::vector<std::string> names;
  std::vector<std::string> descriptions;
  acad.m_profiles.clear();
  ReadProfiles(acad.m_strKey, acad.m_strCurProfile, names, descriptions, rules);

  std::vector<PMAcadAppLink> stored;
  std::unordered_map<std::string, std::size_t> storedByName;
  for (std::size_t p = 0; p < names.size(); ++p) {
    PMAcadProfile profile;
    profile.m_strName = names[p];
    profile.m_strDesc = descriptions[p];
    profile.m_nState = kProfileStored;

    ReadLinks(acad.m_strKey, names[p], stored, rules);
    storedByName.clear();
    for (std::size_t i = 0; i < stored.size(); ++i) storedByName.emplace(stored[i].m_strApp, i);

    // One link per application; link keys naming no registered application
    // stay out of the model (and in the registry).
    profile.m_links.reserve(acad.m_apps.size());
    for (const PMApplication& app : acad.m_apps) {
      PMAcadAppLink link;
      link.m_strApp = app.m_strName;
      link.m_nState = kLinkDisabled;
      auto found = storedByName.find(app.m_strName);
      if (found != storedByName.end()) {
        const PMAcadAppLink& key = stored[found->second];
        link.m_nState = key.m_nState;
        link.m_nLoadOrder = key.m_nLoadOrder;
        link.m_nMenuLoaded = key.m_nMenuLoaded;
      }
      link.m_pApp = &app;
      link.m_nStdLoadOrder = app.m_nStdLoadOrder;
      profile.m_links.push_back(std::move(link));
    }
    SortLinks(profile.m_links);
    acad.m_profiles.push_back(std::move(profile));
  }
}

void LoadModel(std::vector<PMAcad>& acads) {
  LoadModel(acads, LibraryRegistration(), ProductsIniPath());
}

void LoadModel(std::vector<PMAcad>& acads, Registration& registration,
               const std::string& productsIniPath) {
  acads.clear();
  FindInstallations(acads);
  RunProductsIni(acads, registration, productsIniPath);
  for (PMAcad& acad : acads) LoadInstallation(acad);
}

void LoadHostModel(std::vector<PMAcad>& acads, const std::string& productKey,
                   const ReadRules& rules) {
  acads.clear();
  PMAcad acad;
  acad.m_strKey = productKey;
  acad.m_nView = 0;
  platform::RegistryKey key;
  if (key.Open(platform::kHkeyLocalMachine, productKey, platform::kKeyRead) ==
      platform::kErrSuccess)
    acad.m_strName = ReadText(key, "ProductName", rules).value_or("");
  acads.push_back(std::move(acad));
  LoadInstallation(acads.back(), rules);
}

}  // namespace model
