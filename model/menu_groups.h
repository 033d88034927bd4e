// A profile's Menus key (AutoCAD's own: "Group%d" = "<group> <menu file>",
// "Pop%d" = "<group> Pop<n>"), read and extended so that an application's
// menus show in the profile.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"
#include "model/records.h"

namespace model {

// 1 when a REG_SZ "Group…" value of the Menus key below `profileKey` starts
// with `menuEntry` (group name, one blank, menu file without extension; any
// case), else 0. Raises `maxGroup` and `maxPop` (pull-downs below 500) to
// the highest numbers seen on the way.
int FindMenuGroup(platform::RegHandle profileKey, const std::string& menuEntry, int& maxGroup,
                  int& maxPop);

// Writes "Group<groupNumber>" for the group and one "Pop<popBase+1+i>" per
// pull-down of the menu file into the existing Menus key. 1, or 0 when the
// key cannot be opened.
int WriteMenuGroup(platform::RegHandle profileKey, const std::string& group,
                   const std::string& menuFile, int groupNumber, int popBase);

// Adds to the Menus key of the profile (key path below HKEY_CURRENT_USER)
// every menu group of an enabled application whose menu has not been
// loaded yet and is not listed already. MenuLoaded is left to the host.
void LoadLtMenus(const std::vector<PMApplication>& apps, const std::vector<PMAcadAppLink>& links,
                 const std::string& profileKeyPath);

}  // namespace model
