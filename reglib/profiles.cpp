// AutoCAD's per-user profiles of one installation: the current profile's
// name, and copying, creating and deleting profiles as whole key trees.
#include <string>

#include "reglib/core.h"
#include "reglib/paths.h"
#include "reglib/reg_key.h"
#include "reglib/text_util.h"

namespace reglib {

using namespace platform;

int GetCurrentProfileNameEx(const char* acadId, char* buffer, std::uint32_t bufferBytes) {
  if (!acadId || !buffer) return 0;
  RegKey profiles;
  if (profiles.Open(kHkeyCurrentUser, ProfilesPath(acadId), kKeyAllAccess) != kErrSuccess)
    return 0;
  return profiles.QueryString(nullptr, buffer, bufferBytes) == kErrSuccess ? 1 : 0;
}

int CopyProfileEx(const char* acadId, const char* source, const char* destination,
                  const char* description) {
  if (!acadId || !Given(source) || !Given(destination)) return 0;
  if (EqualsNoCase(source, destination)) return 1;
  RegKey profiles;
  if (profiles.Open(kHkeyCurrentUser, ProfilesPath(acadId), kKeyAllAccess) != kErrSuccess)
    return 0;
  // The source is opened before the destination is touched, so that a
  // missing source leaves the destination profile as it was.
  RegKey from;
  if (from.Open(profiles.handle(), source, kKeyAllAccess) != kErrSuccess) return 0;
  profiles.RecurseDeleteKey(destination, kKeyAllAccess);
  RegKey to;
  if (to.Create(profiles.handle(), destination, kKeyAllAccess) != kErrSuccess) return 0;
  if (to.CopyKeyTree(from) != kErrSuccess) return 0;
  if (Given(description)) to.SetString(nullptr, description);
  return 1;
}

int CreateProfile(const char* acadId, const char* name, const char* description) {
  if (!acadId || !name) return 0;
  char current[64] = {};
  if (!GetCurrentProfileNameEx(acadId, current, sizeof current)) return 0;
  const std::string profilesPath = ProfilesPath(acadId);
  // An empty current name would open the Profiles key itself.
  if (current[0] != '\0') {
    RegKey currentKey;
    if (currentKey.Open(kHkeyCurrentUser, profilesPath + "\\" + current, kKeyRead) ==
        kErrSuccess) {
      currentKey.Close();
      return CopyProfileEx(acadId, current, name, description);
    }
  }
  // The current profile is missing: copy the first other profile there is.
  RegKey profiles;
  if (profiles.Open(kHkeyCurrentUser, profilesPath, kKeyRead) != kErrSuccess) return 0;
  std::string candidate;
  for (std::uint32_t i = 0; profiles.EnumKey(i, &candidate, 64) == kErrSuccess; ++i) {
    if (EqualsNoCase(candidate, name)) continue;
    profiles.Close();
    return CopyProfileEx(acadId, candidate.c_str(), name, description);
  }
  return 0;
}

int DeleteProfile(const char* acadId, const char* name) {
  if (!acadId || !Given(name)) return 0;
  RegKey profiles;
  if (profiles.Open(kHkeyCurrentUser, ProfilesPath(acadId), kKeyAllAccess) != kErrSuccess)
    return 0;
  return profiles.RecurseDeleteKey(name, kKeyAllAccess) == kErrSuccess ? 1 : 0;
}

int DeleteProfileAllAcads(const char* name) {
  if (!Given(name)) return 0;
  for (const std::string& id : AllInstallationIds()) DeleteProfile(id.c_str(), name);
  return 1;
}

}  // namespace reglib
