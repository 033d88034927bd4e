// AutoCAD's demand-load entries for an application (newer releases keep the
// module in LOADER; older ones point REGPATH at a QyApps key that holds it),
// its commands, and one value of its record with Arvenlo.
#include <string>

#include "reglib/core.h"
#include "reglib/paths.h"
#include "reglib/reg_key.h"
#include "reglib/target.h"
#include "reglib/text_util.h"

namespace reglib {
namespace {

using namespace platform;

// The key below which the demand-load entry goes: the product key, or for
// ObjectDBX the release's key below "ObjectDBX".
std::string ApplicationBase(const std::string& acadId, bool objectDbx) {
  if (!objectDbx) return ProductKeyPath(acadId);
  std::string release = BeforeLastBackslash(acadId);
  std::size_t first = release.find('\\');
  if (first != std::string::npos) release = release.substr(first + 1);
  return kAutodesk + "ObjectDBX\\" + release;
}

}  // namespace

int RegisterAppEx(int target, const char* acadId, std::uint32_t loadCtrls, const char* appName,
                  const char* description, const char* modulePath, int objectDbx, int overwrite) {
  if (!acadId || !appName || !modulePath) return 0;
  Target where;
  if (!ResolveTarget(target, acadId, &where)) return 0;
  const std::uint32_t access = kKeyAllAccess | where.view;
  const std::string base = ApplicationBase(acadId, objectDbx != 0);
  const std::string app = appName;
  RegKey entry;
  if (entry.Create(where.root, base + "\\Applications\\" + app, access) != kErrSuccess) return 0;

  if (!IsOlderAppRelease(acadId)) {
    std::string existing;
    if (!overwrite && entry.QueryString("LOADER", &existing, 260) == kErrSuccess) return 1;
    if (entry.SetDword("LOADCTRLS", loadCtrls) != kErrSuccess) return 0;
    if (entry.SetString("LOADER", modulePath) != kErrSuccess) return 0;
    if (Given(description) && entry.SetString("DESCRIPTION", description) != kErrSuccess)
      return 0;
    return 1;
  }

  const std::string own = base + "\\QyApps\\" + app;
  if (!overwrite) {
    RegKey loader;
    if (loader.Open(where.root, own + "\\Loader", access) == kErrSuccess) return 1;
  }
  if (entry.SetDword("LOADCTRLS", loadCtrls) != kErrSuccess) return 0;
  if (entry.SetString("REGPATH", RegistryPathText(where.root, own).c_str()) != kErrSuccess)
    return 0;
  RegKey ownKey;
  if (ownKey.Create(where.root, own, access) != kErrSuccess) return 0;
  RegKey loader;
  if (loader.Create(ownKey.handle(), "Loader", access) != kErrSuccess) return 0;
  if (loader.SetString("MODULE", modulePath) != kErrSuccess) return 0;
  RegKey name;
  if (name.Create(ownKey.handle(), "Name", access) != kErrSuccess) return 0;
  const char* valueName = Given(description) ? description : appName;
  return name.SetString(valueName, appName) == kErrSuccess ? 1 : 0;
}

int UnregApp(int target, const char* acadId, const char* appName, int objectDbx) {
  if (!acadId || !appName) return 0;
  Target where;
  if (!ResolveTarget(target, acadId, &where)) return 0;
  const std::uint32_t access = kKeyAllAccess | where.view;
  const std::string base = ApplicationBase(acadId, objectDbx != 0);
  RegKey applications;
  if (applications.Open(where.root, base + "\\Applications", access) != kErrSuccess) return 0;
  if (applications.RecurseDeleteKey(appName, access) != kErrSuccess) return 0;
  if (!IsOlderAppRelease(acadId)) return 1;

  RegKey own;
  if (own.Open(where.root, base + "\\QyApps", access) != kErrSuccess) return 0;
  if (own.RecurseDeleteKey(appName, access) != kErrSuccess) return 0;
  std::string first;
  if (own.EnumKey(0, &first) != kErrNoMoreItems) return 1;
  own.Close();
  // The last older-release entry is gone: QyApps goes with it.
  RegKey product;
  if (product.Open(where.root, base, access) != kErrSuccess) return 0;
  return product.RecurseDeleteKey("QyApps", access) == kErrSuccess ? 1 : 0;
}

int UnregAppAllAcads(int target, const char* appName, int objectDbx) {
  if (!Given(appName)) return 0;
  for (const std::string& id : AllInstallationIds())
    UnregApp(target, id.c_str(), appName, objectDbx);
  return 1;
}

int RegisterCommandEx(int target, const char* acadId, const char* appName, const char* group,
                      const char* globalName, const char* localName, int overwrite) {
  if (!acadId || !appName || !group || !globalName || !localName) return 0;
  Target where;
  if (!ResolveTarget(target, acadId, &where)) return 0;
  const std::uint32_t access = kKeyAllAccess | where.view;
  const std::string key = ProductKeyPath(acadId) +
                          (IsOlderCommandRelease(acadId) ? "\\QyApps\\" : "\\Applications\\") +
                          appName;
  RegKey app;
  if (app.Create(where.root, key, access) != kErrSuccess) return 0;
  if (!overwrite) {
    RegKey existing;
    if (existing.Open(app.handle(), "Commands", access) == kErrSuccess) return 1;
  }
  RegKey commands;
  if (commands.Create(app.handle(), "Commands", access) != kErrSuccess) return 0;
  commands.SetString(globalName, localName);
  RegKey groups;
  if (groups.Create(app.handle(), "Groups", access) != kErrSuccess) return 0;
  groups.SetString(group, group);
  return 1;
}

int GetAppRegStringValue(const char* acadId, const char* appName, const char* valueName,
                         char* buffer, std::uint32_t bufferBytes) {
  if (!acadId || !appName || !buffer) return 0;
  RegKey record;
  std::uint32_t access = kKeyRead | ViewFlagFor(kHkeyLocalMachine, acadId);
  if (record.Open(kHkeyLocalMachine, ManagerRecord(acadId, appName), access) != kErrSuccess)
    return 0;
  return record.QueryString(valueName, buffer, bufferBytes) == kErrSuccess ? 1 : 0;
}

}  // namespace reglib
