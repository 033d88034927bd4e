// Building the model from the registry: each installation's registered
// applications in standard load order, its profiles and the current
// profile, and for every profile one link per application in display order.
// Nothing here writes to the registry (the Products.ini step of the
// manager's load goes through the registration library).
#pragma once

#include <string>
#include <vector>

#include "model/read_rules.h"
#include "model/records.h"
#include "model/registration.h"

namespace model {

// The manager's load: every installation, the Products.ini step, then the
// applications, profiles and links of each. The first form uses the
// registration library and the Products.ini beside the program.
void LoadModel(std::vector<PMAcad>& acads);
void LoadModel(std::vector<PMAcad>& acads, Registration& registration,
               const std::string& productsIniPath);

// An in-host module's load: exactly one installation, the running host's
// product key (view 0, no program file), named by its ProductName; no
// discovery and no Products.ini step.
void LoadHostModel(std::vector<PMAcad>& acads, const std::string& productKey,
                   const ReadRules& rules);

// Reads the applications, the current profile, the profiles and their links
// of one installation whose m_strKey and m_nView are set.
void LoadInstallation(PMAcad& acad, const ReadRules& rules = ReadRules::Manager());

// Replaces acad.m_apps by its registered applications, sorted by standard
// load position. Returns the count.
std::size_t ReadRegisteredApps(PMAcad& acad, const ReadRules& rules = ReadRules::Manager());

// The current profile (unchanged when it cannot be read) and the profile
// names with their descriptions. Returns the number of profiles.
std::size_t ReadProfiles(const std::string& productKey, std::string& currentProfile,
                         std::vector<std::string>& names, std::vector<std::string>& descriptions,
                         const ReadRules& rules = ReadRules::Manager());

// The link keys of one profile as links in state 0. Returns their number.
std::size_t ReadLinks(const std::string& productKey, const std::string& profile,
                      std::vector<PMAcadAppLink>& links,
                      const ReadRules& rules = ReadRules::Manager());

// Stable sort by m_nStdLoadOrder (unsigned).
void SortApps(std::vector<PMApplication>& apps);

// Stable sort by m_nLoadOrder (unsigned), where 0 means no position and
// comes after every other value.
void SortLinks(std::vector<PMAcadAppLink>& links);

}  // namespace model
