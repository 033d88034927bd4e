// The library's operations, one function per export (the exports forward to
// them and keep exceptions inside). Texts may be null; a null where a text is
// required gives the failure result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reglib/QyVeskReg.h"

namespace reglib {

// Installed products.
int StartEnumAutoDeskProducts(const char* releasePrefixes);
int GetNextAutoDeskProduct(char* family, char* release, char* productKey, char* productName,
                           char* location);
// The AutoCAD Ids of every installation of the releases the "all
// installations" operations cover (this refills the product list).
std::vector<std::string> AllInstallationIds();

// Demand-load entries, commands, support folders.
int RegisterAppEx(int target, const char* acadId, std::uint32_t loadCtrls, const char* appName,
                  const char* description, const char* modulePath, int objectDbx, int overwrite);
int UnregApp(int target, const char* acadId, const char* appName, int objectDbx);
int UnregAppAllAcads(int target, const char* appName, int objectDbx);
int RegisterCommandEx(int target, const char* acadId, const char* appName, const char* group,
                      const char* globalName, const char* localName, int overwrite);
int AddSupportPath(const char* acadId, const char* profile, const char* folder);
int RemoveSupportPath(const char* acadId, const char* profile, const char* folder);
int GetAppRegStringValue(const char* acadId, const char* appName, const char* valueName,
                         char* buffer, std::uint32_t bufferBytes);

// Profiles.
int GetCurrentProfileNameEx(const char* acadId, char* buffer, std::uint32_t bufferBytes);
int CopyProfileEx(const char* acadId, const char* source, const char* destination,
                  const char* description);
int CreateProfile(const char* acadId, const char* name, const char* description);
int DeleteProfile(const char* acadId, const char* name);
int DeleteProfileAllAcads(const char* name);

// Set-up and ini registration.
int SetupPManEx(int target, const char* acadId, const char* aePath, const char* cePath,
                const char* menuPath, const char* pmPath, int overwrite);
int SetupPManIni(int target, const char* acadId, const char* iniPath, const char* section,
                 int overwrite);
int SetupPManIni3264(int target, const char* acadId, const char* iniPath, const char* section,
                     int overwrite);
int SearchNewProducts(const char* acadId, const char* iniPath, int overwrite);
int RegisterAppInPManIniEx(int target, const char* acadId, const char* iniPath,
                           const char* section, int overwrite);
int DeleteAppDataIniEx(const char* iniPath, const char* section);

// Arvenlo's application records, links and toolbar items.
int RegisterAppInPMan(const AppRecord* record);
int UnregAppInPMan(const char* acadId, const char* appName);
int UnregAppInPManAllAcads(const char* appName);
int RegisterAppInProfileEx(const char* acadId, const char* profile, const char* appName,
                           int exclusive);
int UnregAppInProfile(const char* acadId, const char* profile, const char* appName);
int UnregAppsInProfile(const char* acadId, const char* profile);
int RegisterPManToolbarItem(const char* acadId, const char* profile, const char* name,
                            const char* helpString, const char* largeIconPath,
                            const char* smallIconPath);

}  // namespace reglib
