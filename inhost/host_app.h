// The in-host module's own record of one registered application, and its
// readers of the applications registry and of a profile's links.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace inhost {

struct PMHostApp {
  std::string name;
  std::vector<std::string> loaders;  // full paths of the modules, Loader first
  std::vector<std::string> commandGroups;
  std::vector<std::string> modules;
  std::vector<std::string> menuGroups;  // at most one, parallel to menuFiles
  std::vector<std::string> menuFiles;
  std::uint32_t loadOrder = 0;  // 0: no explicit place in the profile
  std::uint32_t stdLoadOrder = 65535;
  std::uint32_t unloadable = 0;
  std::uint32_t menuLoaded = 0;
  std::uint32_t perUserMenu = 0;
  std::string publisher;
};

// Two records denote the same application when their loader lists are
// equal, entry by entry and case-sensitively.
bool SameApplication(const PMHostApp& a, const PMHostApp& b);

// Fills `record` from the registration of `name` below the application root
// of `productKey`; false when it cannot be opened or has no Loader.
bool ReadApplication(const std::string& productKey, const std::string& name, PMHostApp* record);

// Replaces `list` with the applications linked into `profile`, ordered:
// explicit places first, ascending; then the rest by standard position;
// equal keys keep the registry's order. 0 (and `list` untouched) for an
// empty profile name.
std::size_t ReadProfileApplications(const std::string& productKey, const std::string& profile,
                                    std::vector<PMHostApp>* list);

// The ordering step alone.
void OrderProfileApplications(std::vector<PMHostApp>* list);

}  // namespace inhost
