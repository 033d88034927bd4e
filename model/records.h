// The profile model: installations, their registered applications, their
// profiles and every profile's links to the applications. Plain records held
// by value; the page and the command line edit them, the loader fills them
// and apply writes them back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace model {

// One application registered for an installation (its key below the
// application root's Applications key).
struct PMApplication {
  std::string m_strName;  // the key name; identifies the application everywhere
  std::vector<std::string> m_astrLoaders;        // Loader, then Loader0, Loader1, ...
  std::vector<std::string> m_astrCommandGroups;  // zero or one entry
  std::vector<std::string> m_astrModules;        // zero or one entry
  std::vector<std::string> m_astrMenuGroups;     // zero or one entry
  std::vector<std::string> m_astrMenuFiles;      // zero or one entry
  std::string m_strTemplate;
  // Standard load position; all ones when the application has none, which
  // sorts after every real position.
  std::uint32_t m_nStdLoadOrder = 0xFFFFFFFFu;
  std::int32_t m_bUnloadable = 0;
  std::string m_strLargeIcon;
  std::string m_strSmallIcon;
  std::string m_strShortcutIcon;
};

// Link states.
inline constexpr std::int32_t kLinkEnabled = 0;      // the link key exists
inline constexpr std::int32_t kLinkNewlyEnabled = 1;  // enabled since the last apply
inline constexpr std::int32_t kLinkDisabled = 2;

// One application's entry in one profile.
struct PMAcadAppLink {
  std::string m_strApp;  // PMApplication::m_strName
  std::uint32_t m_nStdLoadOrder = 0;
  std::uint32_t m_nLoadOrder = 0;  // 0 = no position
  std::int32_t m_nMenuLoaded = 0;
  // The installation's record of the application. Not owned; null in links
  // that were made without an installation at hand. Copying a PMAcad points
  // the copy's links at the copy's own applications.
  const PMApplication* m_pApp = nullptr;
  std::int32_t m_nState = kLinkNewlyEnabled;
};

// Profile states.
inline constexpr std::int32_t kProfileStored = 0;
inline constexpr std::int32_t kProfileToCreate = 1;
inline constexpr std::int32_t kProfileToDelete = 2;

// One profile of an installation.
struct PMAcadProfile {
  std::string m_strName;     // key name as stored (or as it will be created)
  std::string m_strDesc;     // default value of the profile key
  std::string m_strSource;   // to be created: the profile it is copied from
  std::string m_strNewName;  // stored, renamed by the user: the pending name
  std::vector<PMAcadAppLink> m_links;  // one per application, display order
  std::int32_t m_nState = kProfileToCreate;

  // The name to show and to compare: the pending new name when there is one.
  const std::string& DisplayName() const {
    return m_strNewName.empty() ? m_strName : m_strNewName;
  }
};

// One AutoCAD or AutoCAD LT installation.
struct PMAcad {
  std::string m_strName;  // ProductName
  std::string m_strKey;   // product key path below HKEY_LOCAL_MACHINE
  std::uint32_t m_nView = 0;  // registry view flag the product key was found under
  std::string m_strExe;
  std::string m_strCurProfile;
  std::vector<PMApplication> m_apps;       // standard load order
  std::vector<PMAcadProfile> m_profiles;   // enumeration order, new ones appended

  PMAcad() = default;
  // A copy's links point into the copy's m_apps (same index as in the
  // source); links whose m_pApp is null or points elsewhere keep it.
  PMAcad(const PMAcad& other);
  PMAcad& operator=(const PMAcad& other);
  // Moving keeps the application array's storage, so links stay valid.
  PMAcad(PMAcad&&) noexcept = default;
  PMAcad& operator=(PMAcad&&) noexcept = default;
  ~PMAcad() = default;

  // Points every link of every profile at the application of the same name
  // (case-sensitive), or null when there is none. For callers that rebuilt
  // or reordered m_apps.
  void RelinkApps();
};

// A product key path with the registry view it was found under.
struct PMAcadKey {
  std::string m_strKey;
  std::uint32_t m_nView = 0;
};

}  // namespace model
