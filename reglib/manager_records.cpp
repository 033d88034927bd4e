// Arvenlo's own record of an application, below the installation's
// application root: what the model and the in-host module read.
#include <cstddef>
#include <string>

#include "reglib/core.h"
#include "reglib/paths.h"
#include "reglib/reg_key.h"
#include "reglib/target.h"
#include "reglib/text_util.h"

namespace reglib {

using namespace platform;

namespace {

// A field exists when the caller's record size covers all of it.
bool Covers(const AppRecord& record, std::size_t offset, std::size_t size) {
  return record.size >= offset + size;
}
#define RECORD_HAS(record, field) \
  Covers(record, offsetof(AppRecord, field), sizeof(static_cast<AppRecord*>(nullptr)->field))

// Writes a text when it is given; a failing write is reported.
bool WriteIfGiven(const RegKey& key, const char* name, const char* text) {
  return !Given(text) || key.SetString(name, text) == kErrSuccess;
}

}  // namespace

int RegisterAppInPMan(const AppRecord* record) {
  if (!record) return 0;
  // A record shorter than its oldest form would make us read what the
  // caller never passed.
  if (record->size < APPRECORD_SIZE_BASIC) return 0;
  const AppRecord& r = *record;
  if (!r.acadId || !r.appName) return 0;
  Target where;
  if (!ResolveTarget(r.target, r.acadId, &where)) return 0;
  RegKey key;
  if (key.Create(where.root, ManagerRecord(r.acadId, r.appName), kKeyAllAccess | where.view) !=
      kErrSuccess)
    return 0;
  if (key.SetString("Loader", r.loader) != kErrSuccess) return 0;
  if (!WriteIfGiven(key, "Description", r.description)) return 0;
  if (!WriteIfGiven(key, "Modules", r.modules)) return 0;
  if (!WriteIfGiven(key, "CommandGroups", r.commandGroups)) return 0;
  if (Given(r.menuGroup) && Given(r.menuFile)) {
    if (key.SetString("MenuGroup", r.menuGroup) != kErrSuccess) return 0;
    if (key.SetString("MenuFile", r.menuFile) != kErrSuccess) return 0;
  }
  if (!WriteIfGiven(key, "Template", r.templateFile)) return 0;
  if (key.SetDword("Unloadable", static_cast<std::uint32_t>(r.unloadable)) != kErrSuccess)
    return 0;
  if (!WriteIfGiven(key, "LargeIconName", r.largeIcon)) return 0;
  if (!WriteIfGiven(key, "SmallIconName", r.smallIcon)) return 0;
  if (!WriteIfGiven(key, "ShortcutIconName", r.shortcutIcon)) return 0;
  if (RECORD_HAS(r, supportPath) && !WriteIfGiven(key, "SupportPath", r.supportPath)) return 0;
  if (RECORD_HAS(r, publisher) && !WriteIfGiven(key, "Publisher", r.publisher)) return 0;
  if (RECORD_HAS(r, perUserMenu) && r.perUserMenu != 0 &&
      key.SetDword("PerUserMenu", static_cast<std::uint32_t>(r.perUserMenu)) != kErrSuccess)
    return 0;
  if (RECORD_HAS(r, perUserCopyMask) && !WriteIfGiven(key, "PerUserCopyMask", r.perUserCopyMask))
    return 0;
  return 1;
}

int UnregAppInPMan(const char* acadId, const char* appName) {
  if (!acadId || !appName) return 0;
  Target where;
  if (!ResolveTarget(2, acadId, &where)) return 0;
  const std::uint32_t access = kKeyAllAccess | where.view;
  RegKey applications;
  if (applications.Open(where.root, ManagerRoot(acadId) + "\\Applications", access) !=
      kErrSuccess)
    return 0;
  return applications.RecurseDeleteKey(appName, access) == kErrSuccess ? 1 : 0;
}

int UnregAppInPManAllAcads(const char* appName) {
  if (!appName) return 0;
  for (const std::string& id : AllInstallationIds()) UnregAppInPMan(id.c_str(), appName);
  return 1;
}

}  // namespace reglib
