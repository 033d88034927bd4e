// Links that enable an application in a profile (with the application's
// support folders), and a profile's toolbar item. All per user.
#include <string>

#include "reglib/core.h"
#include "reglib/paths.h"
#include "reglib/reg_key.h"
#include "reglib/text_util.h"

namespace reglib {

using namespace platform;

namespace {

// The application's support folders from its record, if it has any.
bool ReadSupportPath(const char* acadId, const std::string& app, std::string* folders) {
  char buffer[3120] = {};
  if (!GetAppRegStringValue(acadId, app.c_str(), "SupportPath", buffer, sizeof buffer))
    return false;
  *folders = buffer;
  return true;
}

}  // namespace

int RegisterAppInProfileEx(const char* acadId, const char* profile, const char* appName,
                           int exclusive) {
  if (!acadId || !profile || !appName) return 0;
  if (exclusive) UnregAppsInProfile(acadId, profile);
  RegKey link;
  if (link.Create(kHkeyCurrentUser, ProfileLinksPath(acadId, profile) + "\\" + appName,
                  kKeyAllAccess) != kErrSuccess)
    return 0;
  if (link.SetDword("LoadOrder", 0) != kErrSuccess) return 0;
  if (link.SetDword("MenuLoaded", 0) != kErrSuccess) return 0;
  std::string folders;
  if (ReadSupportPath(acadId, appName, &folders)) AddSupportPath(acadId, profile, folders.c_str());
  return 1;
}

int UnregAppsInProfile(const char* acadId, const char* profile) {
  // 0 is this export's success, so a missing argument is an error code.
  if (!acadId || !profile) return static_cast<int>(kErrInvalidParameter);
  RegKey links;
  long rc = links.Open(kHkeyCurrentUser, ProfileLinksPath(acadId, profile), kKeyAllAccess);
  if (rc != kErrSuccess) return static_cast<int>(rc);
  std::string app;
  while (links.EnumKey(0, &app, 520) == kErrSuccess) {
    rc = links.RecurseDeleteKey(app, kKeyAllAccess);
    if (rc != kErrSuccess) return static_cast<int>(rc);
    std::string folders;
    if (ReadSupportPath(acadId, app, &folders))
      RemoveSupportPath(acadId, profile, folders.c_str());
  }
  return 0;
}

int UnregAppInProfile(const char* acadId, const char* profile, const char* appName) {
  if (!acadId || !profile || !appName) return 0;
  RegKey links;
  if (links.Open(kHkeyCurrentUser, ProfileLinksPath(acadId, profile), kKeyAllAccess) !=
      kErrSuccess)
    return 1;
  std::string folders;
  if (links.RecurseDeleteKey(appName, kKeyAllAccess) == kErrSuccess &&
      ReadSupportPath(acadId, appName, &folders))
    RemoveSupportPath(acadId, profile, folders.c_str());
  std::string first;
  if (links.EnumKey(0, &first) != kErrNoMoreItems) return 1;
  links.Close();
  // No link left: the empty keys go, and Arvenlo's key too when nothing
  // else (a toolbar item) is below it.
  RegKey arvenlo;
  if (arvenlo.Open(kHkeyCurrentUser, ProfileArvenloPath(acadId, profile), kKeyAllAccess) !=
      kErrSuccess)
    return 0;
  if (arvenlo.RecurseDeleteKey("Applications", kKeyAllAccess) != kErrSuccess) return 0;
  if (arvenlo.EnumKey(0, &first) != kErrNoMoreItems) return 1;
  arvenlo.Close();
  RegKey profileKey;
  if (profileKey.Open(kHkeyCurrentUser, ProfilePath(acadId, profile), kKeyAllAccess) !=
      kErrSuccess)
    return 0;
  return profileKey.RecurseDeleteKey("Arvenlo", kKeyAllAccess) == kErrSuccess ? 1 : 0;
}

int RegisterPManToolbarItem(const char* acadId, const char* profile, const char* name,
                            const char* helpString, const char* largeIconPath,
                            const char* smallIconPath) {
  if (!acadId || !profile) return 0;
  RegKey item;
  if (item.Create(kHkeyCurrentUser, ProfileArvenloPath(acadId, profile) + "\\ToolbarItem",
                  kKeyAllAccess) != kErrSuccess)
    return 0;
  if (item.SetString("Name", name) != kErrSuccess) return 0;
  if (item.SetString("HelpString", helpString) != kErrSuccess) return 0;
  if (item.SetString("LargeIconPath", largeIconPath) != kErrSuccess) return 0;
  if (item.SetString("SmallIconPath", smallIconPath) != kErrSuccess) return 0;
  return 1;
}

}  // namespace reglib
