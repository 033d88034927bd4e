// The library's exported functions: plain C entry points that forward to the
// operations and never let an exception reach the caller (an installer may
// not even be written in C++).
#include "reglib/QyVeskReg.h"
#include "reglib/core.h"

namespace {

// What a caller sees when an operation could not finish (memory ran out).
template <typename Operation>
int Guarded(int failure, Operation operation) noexcept {
  try {
    return operation();
  } catch (...) {
    return failure;
  }
}

// UnregAppsInProfile's failure is a Windows error code: not enough memory.
constexpr int kErrNotEnoughMemory = 8;

}  // namespace

extern "C" {

int QYVESK_CALL StartEnumAutoDeskProducts(const char* releasePrefixes) {
  return Guarded(0, [&] { return reglib::StartEnumAutoDeskProducts(releasePrefixes); });
}

int QYVESK_CALL GetNextAutoDeskProduct(char* family, char* release, char* productKey,
                                       char* productName, char* location) {
  return Guarded(0, [&] {
    return reglib::GetNextAutoDeskProduct(family, release, productKey, productName, location);
  });
}

int QYVESK_CALL RegisterAppEx(int target, const char* acadId, unsigned int loadCtrls,
                              const char* appName, const char* description,
                              const char* modulePath, int objectDbx, int overwrite) {
  return Guarded(0, [&] {
    return reglib::RegisterAppEx(target, acadId, loadCtrls, appName, description, modulePath,
                                 objectDbx, overwrite);
  });
}

int QYVESK_CALL RegisterApp(int target, const char* acadId, unsigned int loadCtrls,
                            const char* appName, const char* description,
                            const char* modulePath, int objectDbx) {
  return Guarded(0, [&] {
    return reglib::RegisterAppEx(target, acadId, loadCtrls, appName, description, modulePath,
                                 objectDbx, 1);
  });
}

int QYVESK_CALL UnregApp(int target, const char* acadId, const char* appName, int objectDbx) {
  return Guarded(0, [&] { return reglib::UnregApp(target, acadId, appName, objectDbx); });
}

int QYVESK_CALL UnregAppAllAcads(int target, const char* appName, int objectDbx) {
  return Guarded(0, [&] { return reglib::UnregAppAllAcads(target, appName, objectDbx); });
}

int QYVESK_CALL RegisterCommandEx(int target, const char* acadId, const char* appName,
                                  const char* group, const char* globalName,
                                  const char* localName, int overwrite) {
  return Guarded(0, [&] {
    return reglib::RegisterCommandEx(target, acadId, appName, group, globalName, localName,
                                     overwrite);
  });
}

int QYVESK_CALL RegisterCommand(int target, const char* acadId, const char* appName,
                                const char* group, const char* globalName,
                                const char* localName) {
  return Guarded(0, [&] {
    return reglib::RegisterCommandEx(target, acadId, appName, group, globalName, localName, 1);
  });
}

int QYVESK_CALL AddSupportPath(const char* acadId, const char* profile, const char* folder) {
  return Guarded(0, [&] { return reglib::AddSupportPath(acadId, profile, folder); });
}

int QYVESK_CALL RemoveSupportPath(const char* acadId, const char* profile, const char* folder) {
  return Guarded(0, [&] { return reglib::RemoveSupportPath(acadId, profile, folder); });
}

int QYVESK_CALL GetAppRegStringValue(const char* acadId, const char* appName,
                                     const char* valueName, char* buffer,
                                     unsigned int bufferBytes) {
  return Guarded(0, [&] {
    return reglib::GetAppRegStringValue(acadId, appName, valueName, buffer, bufferBytes);
  });
}

int QYVESK_CALL GetCurrentProfileNameEx(const char* acadId, char* buffer,
                                        unsigned int bufferBytes) {
  return Guarded(0, [&] { return reglib::GetCurrentProfileNameEx(acadId, buffer, bufferBytes); });
}

int QYVESK_CALL CopyProfileEx(const char* acadId, const char* source, const char* destination,
                              const char* description) {
  return Guarded(0,
                 [&] { return reglib::CopyProfileEx(acadId, source, destination, description); });
}

int QYVESK_CALL CreateProfile(const char* acadId, const char* name, const char* description) {
  return Guarded(0, [&] { return reglib::CreateProfile(acadId, name, description); });
}

int QYVESK_CALL DeleteProfile(const char* acadId, const char* name) {
  return Guarded(0, [&] { return reglib::DeleteProfile(acadId, name); });
}

int QYVESK_CALL DeleteProfileAllAcads(const char* name) {
  return Guarded(0, [&] { return reglib::DeleteProfileAllAcads(name); });
}

int QYVESK_CALL SetupPManEx(int target, const char* acadId, const char* aePath,
                            const char* cePath, const char* menuPath, const char* pmPath,
                            int overwrite) {
  return Guarded(0, [&] {
    return reglib::SetupPManEx(target, acadId, aePath, cePath, menuPath, pmPath, overwrite);
  });
}

int QYVESK_CALL SetupPMan(int target, const char* acadId, const char* aePath,
                          const char* cePath, const char* menuPath, const char* pmPath) {
  return Guarded(0, [&] {
    return reglib::SetupPManEx(target, acadId, aePath, cePath, menuPath, pmPath, 1);
  });
}

int QYVESK_CALL SetupPManIni(int target, const char* acadId, const char* iniPath,
                             const char* section, int overwrite) {
  return Guarded(0,
                 [&] { return reglib::SetupPManIni(target, acadId, iniPath, section, overwrite); });
}

int QYVESK_CALL SetupPManIni3264(int target, const char* acadId, const char* iniPath,
                                 const char* section, int overwrite) {
  return Guarded(
      0, [&] { return reglib::SetupPManIni3264(target, acadId, iniPath, section, overwrite); });
}

int QYVESK_CALL SearchNewProducts(const char* acadId, const char* iniPath, int overwrite) {
  return Guarded(0, [&] { return reglib::SearchNewProducts(acadId, iniPath, overwrite); });
}

int QYVESK_CALL RegisterAppInPManIniEx(int target, const char* acadId, const char* iniPath,
                                       const char* section, int overwrite) {
  return Guarded(0, [&] {
    return reglib::RegisterAppInPManIniEx(target, acadId, iniPath, section, overwrite);
  });
}

int QYVESK_CALL RegisterAppInPManIni(int target, const char* acadId, const char* iniPath) {
  return Guarded(0, [&] {
    return reglib::RegisterAppInPManIniEx(target, acadId, iniPath, "\\Arvenlo", 1);
  });
}

int QYVESK_CALL DeleteAppDataIniEx(const char* iniPath, const char* section) {
  return Guarded(0, [&] { return reglib::DeleteAppDataIniEx(iniPath, section); });
}

int QYVESK_CALL DeleteAppDataIni(const char* iniPath) {
  return Guarded(0, [&] { return reglib::DeleteAppDataIniEx(iniPath, "\\Arvenlo"); });
}

int QYVESK_CALL RegisterAppInPMan(const AppRecord* record) {
  return Guarded(0, [&] { return reglib::RegisterAppInPMan(record); });
}

int QYVESK_CALL UnregAppInPMan(const char* acadId, const char* appName) {
  return Guarded(0, [&] { return reglib::UnregAppInPMan(acadId, appName); });
}

int QYVESK_CALL UnregAppInPManAllAcads(const char* appName) {
  return Guarded(0, [&] { return reglib::UnregAppInPManAllAcads(appName); });
}

int QYVESK_CALL RegisterAppInProfileEx(const char* acadId, const char* profile,
                                       const char* appName, int exclusive) {
  return Guarded(
      0, [&] { return reglib::RegisterAppInProfileEx(acadId, profile, appName, exclusive); });
}

int QYVESK_CALL RegisterAppInProfile(const char* acadId, const char* profile,
                                     const char* appName) {
  return Guarded(0, [&] { return reglib::RegisterAppInProfileEx(acadId, profile, appName, 1); });
}

int QYVESK_CALL UnregAppInProfile(const char* acadId, const char* profile, const char* appName) {
  return Guarded(0, [&] { return reglib::UnregAppInProfile(acadId, profile, appName); });
}

int QYVESK_CALL UnregAppsInProfile(const char* acadId, const char* profile) {
  return Guarded(kErrNotEnoughMemory,
                 [&] { return reglib::UnregAppsInProfile(acadId, profile); });
}

int QYVESK_CALL RegisterPManToolbarItem(const char* acadId, const char* profile,
                                        const char* name, const char* helpString,
                                        const char* largeIconPath, const char* smallIconPath) {
  return Guarded(0, [&] {
    return reglib::RegisterPManToolbarItem(acadId, profile, name, helpString, largeIconPath,
                                           smallIconPath);
  });
}

}  // extern "C"
