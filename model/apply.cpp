#include "model/apply.h"

#include "platform/registry_key.h"
#include "model/profile_keys.h"
#include "model/registry_paths.h"

namespace model {
namespace {

constexpr std::uint32_t kReadWrite = platform::kKeyRead | platform::kKeyWrite;

void WriteDefaultValue(const std::string& path, const std::string& text) {
  platform::RegistryKey key;
  if (key.Open(platform::kHkeyCurrentUser, path, kReadWrite) == platform::kErrSuccess)
    key.WriteString("", text);
}

void ApplyProfiles(PMAcad& acad) {
  auto& profiles = acad.m_profiles;
  // Appended records (the old names of renamed profiles) are walked too;
  // `profiles` may reallocate, so the walk holds an index, not a reference.
  for (std::size_t i = 0; i < profiles.size(); ++i) {
    bool renameFailed = false;
    if (profiles[i].m_nState == kProfileToCreate) {
      CopyProfile(acad.m_strKey, profiles[i].m_strSource, profiles[i].m_strName);
      profiles[i].m_nState = kProfileStored;
    } else if (!profiles[i].m_strNewName.empty()) {
      if (CopyProfile(acad.m_strKey, profiles[i].m_strName, profiles[i].m_strNewName)) {
        PMAcadProfile old = profiles[i];
        old.m_nState = kProfileToDelete;
        old.m_strNewName.clear();
        profiles.push_back(std::move(old));
        PMAcadProfile& renamed = profiles[i];
        renamed.m_nState = kProfileStored;
        renamed.m_strName = renamed.m_strNewName;
        renamed.m_strNewName.clear();
      } else {
        // The old key is the only complete copy of the profile's settings:
        // keep it, and keep the new name pending for the next apply.
        renameFailed = true;
      }
    }
    const PMAcadProfile& profile = profiles[i];
    const std::string& keyName = renameFailed ? profile.m_strName : profile.DisplayName();
    WriteDefaultValue(ProfileKeyPath(acad.m_strKey, keyName), profile.m_strDesc);
  }
  for (std::size_t i = 0; i < profiles.size();) {
    if (profiles[i].m_nState == kProfileToDelete) {
      DeleteProfileKey(acad.m_strKey, profiles[i].m_strName);
      profiles.erase(profiles.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

// The name to write as the current profile: a profile whose rename is still
// pending is current under the name its key has.
std::string StoredNameOfCurrent(const PMAcad& acad) {
  for (const PMAcadProfile& profile : acad.m_profiles) {
    if (!profile.m_strNewName.empty() && profile.m_strNewName == acad.m_strCurProfile)
      return profile.m_strName;
  }
  return acad.m_strCurProfile;
}

}  // namespace

void WriteLinks(const PMAcad& acad, PMAcadProfile& profile, Registration& registration) {
  const std::string id = AcadId(acad.m_strKey);
  for (PMAcadAppLink& link : profile.m_links) {
    if (link.m_nState == kLinkEnabled || link.m_nState == kLinkNewlyEnabled) {
      registration.RegisterAppInProfileEx(id, profile.m_strName, link.m_strApp, 0);
      link.m_nState = kLinkEnabled;
    } else if (link.m_nState == kLinkDisabled) {
      registration.UnregAppInProfile(id, profile.m_strName, link.m_strApp);
    }
  }
}

void ApplyChanges(std::vector<PMAcad>& acads, Registration& registration) {
  for (PMAcad& acad : acads) {
    ApplyProfiles(acad);
    WriteDefaultValue(ProfilesKeyPath(acad.m_strKey), StoredNameOfCurrent(acad));
    for (PMAcadProfile& profile : acad.m_profiles) WriteLinks(acad, profile, registration);
  }
}

}  // namespace model
