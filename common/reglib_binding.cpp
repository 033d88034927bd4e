// The registration library bound at run time. Installers may leave the
// library out or ship an older one, so nothing here insists: a missing file
// or entry point turns the operation into nothing.
#include "common/reglib_binding.h"

#include "platform/modules.h"
#include "platform/path.h"

namespace common {
namespace {

// The exports: the C calling convention, 8-bit texts, 32-bit results.
using TargetIniFn = int (*)(int, const char*, const char*, const char*, int);
using ProfileAppFlagFn = int (*)(const char*, const char*, const char*, int);
using ProfileAppFn = int (*)(const char*, const char*, const char*);
using ProfileFn = int (*)(const char*, const char*);
using NameFn = int (*)(const char*);

struct RegLibBinding {
  platform::ModuleHandle library = nullptr;
  bool attempted = false;
  TargetIniFn registerAppInPManIniEx = nullptr;
  ProfileAppFlagFn registerAppInProfileEx = nullptr;
  ProfileAppFn unregAppInProfile = nullptr;
  ProfileFn unregAppsInProfile = nullptr;
  TargetIniFn setupPManIni = nullptr;
  NameFn deleteProfileAllAcads = nullptr;
  NameFn unregAppInPManAllAcads = nullptr;
};

RegLibBinding g_binding;

template <typename Fn>
Fn LookUp(platform::ModuleHandle library, const char* name) {
  return reinterpret_cast<Fn>(platform::FindEntryPoint(library, name));
}

}  // namespace

void BindRegLibAt(const std::string& modulePath) {
  if (g_binding.attempted) return;
  g_binding.attempted = true;
  platform::PathParts parts = platform::SplitPath(modulePath);
  std::string folder = parts.drive + parts.folder;
  platform::ModuleHandle library = platform::LoadModule(folder + kRegLibFileName);
  if (!library) library = platform::LoadModule(folder + "..\\" + kRegLibFileName);
  if (!library) return;
  g_binding.library = library;
  g_binding.registerAppInPManIniEx = LookUp<TargetIniFn>(library, "RegisterAppInPManIniEx");
  g_binding.registerAppInProfileEx = LookUp<ProfileAppFlagFn>(library, "RegisterAppInProfileEx");
  g_binding.unregAppInProfile = LookUp<ProfileAppFn>(library, "UnregAppInProfile");
  g_binding.unregAppsInProfile = LookUp<ProfileFn>(library, "UnregAppsInProfile");
  g_binding.setupPManIni = LookUp<TargetIniFn>(library, "SetupPManIni");
  g_binding.deleteProfileAllAcads = LookUp<NameFn>(library, "DeleteProfileAllAcads");
  g_binding.unregAppInPManAllAcads = LookUp<NameFn>(library, "UnregAppInPManAllAcads");
}

void BindRegLib() { BindRegLibAt(platform::ThisModulePath()); }

void UnbindRegLib() {
  platform::FreeModule(g_binding.library);
  g_binding = RegLibBinding();
}

bool RegLibLoaded() { return g_binding.library != nullptr; }

void RegisterAppInPManIniEx(int target, const std::string& acadId, const std::string& iniPath,
                            const std::string& section, int overwrite) {
  if (g_binding.registerAppInPManIniEx)
    g_binding.registerAppInPManIniEx(target, acadId.c_str(), iniPath.c_str(), section.c_str(),
                                     overwrite);
}

int RegisterAppInProfileEx(const std::string& acadId, const std::string& profile,
                           const std::string& app, int exclusive) {
  if (!g_binding.registerAppInProfileEx) return 0;
  return g_binding.registerAppInProfileEx(acadId.c_str(), profile.c_str(), app.c_str(),
                                          exclusive);
}

void UnregAppInProfile(const std::string& acadId, const std::string& profile,
                       const std::string& app) {
  if (g_binding.unregAppInProfile)
    g_binding.unregAppInProfile(acadId.c_str(), profile.c_str(), app.c_str());
}

void UnregAppsInProfile(const std::string& acadId, const std::string& profile) {
  if (g_binding.unregAppsInProfile) g_binding.unregAppsInProfile(acadId.c_str(), profile.c_str());
}

void SetupPManIni(int target, const std::string& acadId, const std::string& iniPath,
                  const std::string& section, int overwrite) {
  if (g_binding.setupPManIni)
    g_binding.setupPManIni(target, acadId.c_str(), iniPath.c_str(), section.c_str(), overwrite);
}

void DeleteProfileAllAcads(const std::string& profile) {
  if (g_binding.deleteProfileAllAcads) g_binding.deleteProfileAllAcads(profile.c_str());
}

void UnregAppInPManAllAcads(const std::string& app) {
  if (g_binding.unregAppInPManAllAcads) g_binding.unregAppInPManAllAcads(app.c_str());
}

}  // namespace common
