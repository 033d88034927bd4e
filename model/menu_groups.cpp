#include "model/menu_groups.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <unordered_map>

#include "platform/registry_key.h"
#include "model/menu_files.h"

namespace model {
namespace {

constexpr std::uint32_t kMenuNameChars = 520;
constexpr std::uint32_t kMenuDataBytes = 520;

bool EqualNoCase(const char* a, const char* b, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
    if (a[i] == '\0') return true;
  }
  return true;
}

bool NameStarts(const std::string& name, const char* prefix) {
  std::size_t length = std::char_traits<char>::length(prefix);
  return name.size() >= length && EqualNoCase(name.c_str(), prefix, length);
}

std::string DropMenuExtension(const std::string& menuEntry) {
  for (const char* ext : {".mnu", ".mns", ".mnc"}) {
    if (menuEntry.size() >= 4 && menuEntry.compare(menuEntry.size() - 4, 4, ext) == 0)
      return menuEntry.substr(0, menuEntry.size() - 4);
  }
  return menuEntry;
}

}  // namespace

int FindMenuGroup(platform::RegHandle profileKey, const std::string& menuEntry, int& maxGroup,
                  int& maxPop) {
  platform::RegistryKey menus;
  if (menus.Open(profileKey, "Menus", platform::kKeyRead) != platform::kErrSuccess) return 0;
  std::vector<char> name(kMenuNameChars + 1);
  std::vector<std::uint8_t> data(kMenuDataBytes + 1);
  for (std::uint32_t i = 0;; ++i) {
    std::uint32_t nameChars = kMenuNameChars;
    std::uint32_t dataBytes = kMenuDataBytes;
    std::uint32_t type = 0;
    std::fill(data.begin(), data.end(), 0);
    long rc = platform::RegEnumValueAt(menus.handle(), i, name.data(), &nameChars, &type,
                                     data.data(), &dataBytes);
    // A value too long for the buffers is passed over rather than ending
    // the walk: stopping early would miss higher numbers and let a new
    // group overwrite an existing one.
    if (rc == platform::kErrMoreData) continue;
    if (rc != platform::kErrSuccess) break;
    if (type != platform::kRegSz) continue;
    const std::string valueName(name.data(), nameChars);
    const char* text = reinterpret_cast<const char*>(data.data());
    if (NameStarts(valueName, "Group")) {
      if (std::char_traits<char>::length(text) >= menuEntry.size() &&
          EqualNoCase(text, menuEntry.c_str(), menuEntry.size()))
        return 1;
      int number = std::atoi(valueName.c_str() + 5);
      if (number > maxGroup) maxGroup = number;
    } else if (NameStarts(valueName, "Pop")) {
      int number = std::atoi(valueName.c_str() + 3);
      if (number < 500 && number > maxPop) maxPop = number;
    }
  }
  return 0;
}

int WriteMenuGroup(platform::RegHandle profileKey, const std::string& group,
                   const std::string& menuFile, int groupNumber, int popBase) {
  platform::RegistryKey menus;
  if (menus.Open(profileKey, "Menus", platform::kKeyWrite) != platform::kErrSuccess) return 0;
  menus.WriteString(("Group" + std::to_string(groupNumber)).c_str(), group + " " + menuFile);
  std::vector<int> pops;
  ReadPopNumbers(menuFile, pops);
  for (std::size_t i = 0; i < pops.size(); ++i) {
    const int slot = popBase + 1 + static_cast<int>(i);
    menus.WriteString(("Pop" + std::to_string(slot)).c_str(),
                      group + " Pop" + std::to_string(pops[i]));
  }
  return 1;
}

void LoadLtMenus(const std::vector<PMApplication>& apps, const std::vector<PMAcadAppLink>& links,
                 const std::string& profileKeyPath) {
  std::unordered_multimap<std::string, const PMAcadAppLink*> linksByApp;
  for (const PMAcadAppLink& link : links) linksByApp.emplace(link.m_strApp, &link);
  for (const PMApplication& app : apps) {
    // Links of the same application in their own order.
    std::vector<const PMAcadAppLink*> matching;
    auto range = linksByApp.equal_range(app.m_strName);
    for (auto it = range.first; it != range.second; ++it) matching.push_back(it->second);
    std::sort(matching.begin(), matching.end());
    for (const PMAcadAppLink* link : matching) {
      for (std::size_t k = 0; k < app.m_astrMenuGroups.size(); ++k) {
        if (link->m_nState != kLinkEnabled || link->m_nMenuLoaded != 0) continue;
        // A menu group registered without a menu file has nothing to load.
        if (k >= app.m_astrMenuFiles.size()) continue;
        platform::RegistryKey profile;
        if (profile.Open(platform::kHkeyCurrentUser, profileKeyPath,
                         platform::kKeyRead | platform::kKeyWrite) != platform::kErrSuccess)
          continue;
        int maxGroup = 0;
        int maxPop = 0;
        const std::string& group = app.m_astrMenuGroups[k];
        const std::string& file = app.m_astrMenuFiles[k];
        if (!FindMenuGroup(profile.handle(), DropMenuExtension(group + " " + file), maxGroup,
                           maxPop))
          WriteMenuGroup(profile.handle(), group, file, maxGroup + 1, maxPop);
      }
    }
  }
}

}  // namespace model
