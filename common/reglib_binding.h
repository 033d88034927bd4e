// The registration library QyVeskReg.dll, bound at run time: loaded beside
// this module or one folder up, seven entry points looked up by name. Every
// operation does nothing when the library or its entry point is missing.
#pragma once

#include <string>

namespace common {

// The library's file name, looked for beside the module and one folder up.
inline constexpr const char kRegLibFileName[] = "QyVeskReg.dll";

// Loads the library (if not yet loaded) and looks up the entry points.
// Done once for the module when it starts; later calls do nothing, whether
// the library was found or not.
void BindRegLib();
// The same for a module at `modulePath`: drive + folder + kRegLibFileName,
// else drive + folder + "..\" + kRegLibFileName.
void BindRegLibAt(const std::string& modulePath);
// Frees the library; the operations do nothing afterwards until BindRegLib.
void UnbindRegLib();
bool RegLibLoaded();

void RegisterAppInPManIniEx(int target, const std::string& acadId, const std::string& iniPath,
                            const std::string& section, int overwrite);
// The export's result (1 success, 0 failure); 0 when absent.
int RegisterAppInProfileEx(const std::string& acadId, const std::string& profile,
                           const std::string& app, int exclusive);
void UnregAppInProfile(const std::string& acadId, const std::string& profile,
                       const std::string& app);
void UnregAppsInProfile(const std::string& acadId, const std::string& profile);
void SetupPManIni(int target, const std::string& acadId, const std::string& iniPath,
                  const std::string& section, int overwrite);
void DeleteProfileAllAcads(const std::string& profile);
void UnregAppInPManAllAcads(const std::string& app);

}  // namespace common
