// The registry locations the library writes, built from an AutoCAD Id
// ("AutoCAD\R16.2\ACAD-4001:409"). Release tests are case-sensitive
// substring tests on the Id, as stored data relies on them.
#pragma once

#include <string>

namespace reglib {

inline const std::string kAutodesk = "Software\\Autodesk\\";

inline std::string ProductKeyPath(const std::string& acadId) { return kAutodesk + acadId; }

// Older releases keep application modules under QyApps (demand-load entries).
bool IsOlderAppRelease(const std::string& acadId);
// The same choice for command registration, tested with longer texts.
bool IsOlderCommandRelease(const std::string& acadId);

// Arvenlo's own application root below the product key, and one
// application's record below it.
std::string ManagerRoot(const std::string& acadId);
std::string ManagerRecord(const std::string& acadId, const std::string& app);

// Per-user profile keys (below HKEY_CURRENT_USER).
std::string ProfilesPath(const std::string& acadId);
std::string ProfilePath(const std::string& acadId, const std::string& profile);
std::string ProfileArvenloPath(const std::string& acadId, const std::string& profile);
std::string ProfileLinksPath(const std::string& acadId, const std::string& profile);

}  // namespace reglib
