// Where the model's data lives in the registry. Product key paths are below
// HKEY_LOCAL_MACHINE (read with the installation's view flag); profile keys
// are the same path below HKEY_CURRENT_USER.
#pragma once

#include <string>

namespace model {

inline constexpr const char* kAutodeskPrefix = "Software\\Autodesk\\";
inline constexpr const char* kAcadFamilyKey = "Software\\Autodesk\\AutoCAD";
inline constexpr const char* kAcadLtFamilyKey = "Software\\Autodesk\\AutoCAD LT";

// The product key path with every "Software\Autodesk\" removed, e.g.
// AutoCAD\R16.0\ACAD-201:409: the form the command line and the
// registration library use.
std::string AcadId(const std::string& productKey);

// The key below HKEY_LOCAL_MACHINE that holds the installation's registered
// applications: QyApps\Arvenlo for the releases R15.0 and R8 (a
// case-sensitive test of the path), Applications\Arvenlo for all others.
std::string AppRootPath(const std::string& productKey);
std::string AppRegistryPath(const std::string& productKey);   // <root>\Applications
std::string StdLoadOrderPath(const std::string& productKey);  // <root>\StdLoadOrder

// Below HKEY_CURRENT_USER.
std::string ProfilesKeyPath(const std::string& productKey);
std::string ProfileKeyPath(const std::string& productKey, const std::string& profile);
std::string ProfileArvenloKeyPath(const std::string& productKey, const std::string& profile);
std::string ProfileLinksKeyPath(const std::string& productKey, const std::string& profile);
std::string LinkKeyPath(const std::string& productKey, const std::string& profile,
                        const std::string& app);

}  // namespace model
