// Setting Arvenlo up for one installation (the set-up values, the starter's
// and the in-host module's demand-load entries, the profile-change command)
// and registering applications from sections of a registration ini.
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/modules.h"
#include "platform/path.h"
#include "platform/system.h"
#include "reglib/core.h"
#include "reglib/ini_reader.h"
#include "reglib/paths.h"
#include "reglib/reg_key.h"
#include "reglib/target.h"
#include "reglib/text_util.h"

namespace reglib {

using namespace platform;

namespace {

// Root and subkey named by a loader key text of the ini; false when it
// names neither the current user nor the local machine.
bool LoaderKeyLocation(const std::string& keyText, const std::string& acadId, RegHandle* root,
                       std::string* subkey, std::uint32_t* access) {
  auto after = [&](std::size_t n) { return keyText.size() > n ? keyText.substr(n) : ""; };
  if (Contains(keyText, "HKEY_CURRENT_USER")) {
    *root = kHkeyCurrentUser;
    *subkey = after(18);
    *access = kKeyRead;
    return true;
  }
  if (Contains(keyText, "HKEY_LOCAL_MACHINE")) {
    *root = kHkeyLocalMachine;
    *subkey = after(19);
    *access = kKeyRead | ViewFlagFor(kHkeyLocalMachine, acadId);
    return true;
  }
  return false;
}

bool ReadLoaderValue(const std::string& keyText, const std::string& valueName,
                     const std::string& acadId, std::string* value) {
  RegHandle root = 0;
  std::string subkey;
  std::uint32_t access = 0;
  if (!LoaderKeyLocation(keyText, acadId, &root, &subkey, &access)) return false;
  RegKey key;
  if (key.Open(root, subkey, access) != kErrSuccess) return false;
  return key.QueryString(valueName.c_str(), value, 260) == kErrSuccess;
}

// Where the application's loader file is: a folder from the registry plus a
// file name (A), a full path from the registry (B, preferred), or a path in
// the ini itself (C, only when neither gave one).
std::string LoaderPath(const IniSection& ini, const PlaceholderContext& context) {
  std::string loader;
  std::string keyText = ini.Expanded("LoaderPathRegKey", context);
  std::string valueName = ini.Text("LoaderPathRegValue");
  std::string subDir = ini.Text("LoaderFileSubDir");
  std::string fileName = ini.Text("LoaderFileName");
  std::string folder;
  if (!keyText.empty() && !valueName.empty() && !fileName.empty() &&
      ReadLoaderValue(keyText, valueName, context.acadId, &folder)) {
    loader = folder;
    if (loader.empty() || loader.back() != '\\') loader += '\\';
    if (!subDir.empty()) loader += subDir + "\\";
    loader += fileName;
  }
  std::string fullKey = ini.Expanded("LoaderFullPathRegKey", context);
  std::string fullValue = ini.Text("LoaderFullPathRegValue");
  std::string full;
  if (!fullKey.empty() && !fullValue.empty() &&
      ReadLoaderValue(fullKey, fullValue, context.acadId, &full))
    loader = full;
  if (loader.empty()) loader = ini.Expanded("LoaderIniRelPath", context);
  return loader;
}

}  // namespace

int SetupPManEx(int target, const char* acadId, const char* aePath, const char* cePath,
                const char* menuPath, const char* pmPath, int overwrite) {
  if (!acadId || !pmPath) return 0;
  Target where;
  if (!ResolveTarget(target, acadId, &where)) return 0;
  const std::uint32_t access = kKeyAllAccess | where.view;
  const std::string rootPath = ManagerRoot(acadId);
  RegKey root;
  if (!overwrite && root.Open(where.root, rootPath, access) == kErrSuccess) {
    std::string existing;
    if (root.QueryString("PmPath", &existing, 260) == kErrSuccess) return 1;
  }
  if (root.Create(where.root, rootPath, access) != kErrSuccess) return 0;
  if (Given(aePath) && root.SetString("AePath", aePath) != kErrSuccess) return 0;
  if (Given(cePath) && root.SetString("CePath", cePath) != kErrSuccess) return 0;
  if (root.SetString("PmPath", pmPath) != kErrSuccess) return 0;
  if (Given(menuPath) && root.SetString("MenuPath", menuPath) != kErrSuccess) return 0;
  root.Close();

  // Applications listed beside the library are registered with it.
  std::string library = ThisModulePath();
  std::size_t slash = library.rfind('\\');
  if (slash != std::string::npos) {
    std::string ini = library.substr(0, slash) + "\\AppToReg.ini";
    SearchNewProducts(acadId, ini.c_str(), 1);
  }
  return 1;
}

int SetupPManIni(int target, const char* acadId, const char* iniPath, const char* section,
                 int overwrite) {
  if (!acadId || !iniPath || !section) return 0;
  const PlaceholderContext context{acadId, IniFolder(iniPath), ""};
  const IniSection ini(iniPath, section);
  const std::string ae = ini.Expanded("AePath", context);
  const std::string ce = ini.Expanded("CePath", context);
  const std::string menu = ini.Expanded("MenuPath", context);
  const std::string pm = ini.Expanded("PmPath", context);
  if (pm.empty()) return 0;
  if (!SetupPManEx(target, acadId, ae.c_str(), ce.c_str(), menu.c_str(), pm.c_str(), overwrite))
    return 0;
  const std::string starter = ini.Expanded("StarterPath", context);
  if (starter.empty()) return 0;
  if (!RegisterAppEx(target, acadId, 2, "ArvenloStarter", "Arvenlo Starter", starter.c_str(), 0,
                     overwrite))
    return 0;
  if (!RegisterAppEx(target, acadId, 12, "Arvenlo", "Arvenlo", pm.c_str(), 0, overwrite)) return 0;
  return RegisterCommandEx(target, acadId, "Arvenlo", "VOKT0003_QYVESK", "VOKT0003_CHANGEPROFILE",
                           "QYCHANGEPROFILE", overwrite);
}

int SetupPManIni3264(int target, const char* acadId, const char* iniPath, const char* section,
                     int overwrite) {
  if (!section) return 0;
  std::string name = std::string(section) + (Is64BitWindows() ? "\\x64" : "\\x32");
  return SetupPManIni(target, acadId, iniPath, name.c_str(), overwrite);
}

int SearchNewProducts(const char* acadId, const char* iniPath, int overwrite) {
  if (!acadId || !iniPath) return 0;
  // The section list grows in steps of 4096 bytes while it does not fit;
  // past the last size it is used as it came.
  constexpr std::uint32_t kStep = 4096;
  constexpr std::uint32_t kLimit = 81920;
  std::vector<char> names;
  std::uint32_t size = kStep;
  std::uint32_t length = 0;
  for (;;) {
    names.assign(size + 2, '\0');
    length = IniGetSectionNames(names.data(), size, iniPath);
    if (length < size - 2 || size + kStep >= kLimit) break;
    size += kStep;
  }
  const std::string match = BeforeLastBackslash(std::string("\\Products\\") + acadId);
  std::vector<std::string> sections;
  for (std::size_t at = 0; at < length && names[at] != '\0';) {
    std::string name(names.data() + at);
    at += name.size() + 1;
    if (Contains(name, match.c_str())) sections.push_back(name);
  }
  for (const std::string& section : sections)
    RegisterAppInPManIniEx(2, acadId, iniPath, section.c_str(), overwrite);
  return 1;
}

int RegisterAppInPManIniEx(int target, const char* acadId, const char* iniPath,
                           const char* section, int overwrite) {
  if (!acadId || !iniPath || !section) return 0;
  PlaceholderContext context{acadId, IniFolder(iniPath), ""};
  const IniSection ini(iniPath, section);
  std::string name = ini.Text("ProductName");
  if (name.empty()) {
    std::string sectionName = section;
    if (sectionName.find('\\') == std::string::npos) return 0;
    name = AfterLastBackslash(sectionName);
    if (name.empty()) return 0;
  }
  Target where;
  if (!ResolveTarget(target, acadId, &where)) return 0;
  {
    RegKey existing;
    if (existing.Open(where.root, ManagerRecord(acadId, name), kKeyAllAccess | where.view) ==
            kErrSuccess &&
        !overwrite)
      return 1;
  }

  const std::string loader = LoaderPath(ini, context);
  if (!loader.empty()) {
    std::string folder = FolderOf(loader);
    if (!folder.empty()) folder.pop_back();
    context.loaderFolder = folder;
  }
  const std::string publisher = ini.Text("Publisher", 64);
  const std::string modules = ini.Text("Modules", 1040);
  const std::string commandGroups = ini.Text("CommandGroups", 520);
  const std::string menuGroup = ini.Text("MenuGroup");
  const std::string menuFile = ini.Expanded("MenuFile", context);
  const int perUserMenu = ini.Int("PerUserMenu");
  const std::string copyMask = ini.Text("PerUserCopyMask", 520);
  const std::string templateFile = ini.Expanded("Template", context);
  const int unloadable = ini.Int("Unloadable");
  const std::string profile = ini.Text("Profile");
  const int keepProfileApps = ini.Int("KeepProfileApps");
  const std::string largeIcon = ini.Expanded("LargeIconName", context);
  const std::string smallIcon = ini.Expanded("SmallIconName", context);
  const std::string shortcutIcon = ini.Expanded("ShortcutIconName", context);
  const std::string supportPath = ini.Expanded("SupportPath", context, 3120);
  if (loader.empty() || !FileExists(loader)) return 0;

  // The record always goes to the local machine; the target only decided
  // where to look for an existing registration.
  AppRecord record{};
  record.size = APPRECORD_SIZE_FULL;
  record.target = 2;
  record.acadId = acadId;
  record.appName = name.c_str();
  record.loader = loader.c_str();
  record.description = nullptr;
  record.modules = modules.c_str();
  record.commandGroups = commandGroups.c_str();
  record.menuGroup = menuGroup.c_str();
  record.menuFile = menuFile.c_str();
  record.templateFile = templateFile.c_str();
  record.unloadable = unloadable;
  record.largeIcon = largeIcon.c_str();
  record.smallIcon = smallIcon.c_str();
  record.shortcutIcon = shortcutIcon.c_str();
  record.supportPath = supportPath.c_str();
  record.publisher = publisher.c_str();
  record.perUserMenu = perUserMenu;
  record.perUserCopyMask = copyMask.c_str();
  reglib::RegisterAppInPMan(&record);

  if (!profile.empty())
    RegisterAppInProfileEx(acadId, profile.c_str(), name.c_str(), keepProfileApps == 0 ? 1 : 0);
  return 1;
}

}  // namespace reglib
