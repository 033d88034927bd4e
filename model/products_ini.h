// Products.ini beside the manager program: its Platform and Products
// sections are handed to the registration library for every installation,
// at every model load, so the library calls must bear repetition.
#pragma once

#include <string>
#include <vector>

#include "model/records.h"
#include "model/registration.h"

namespace model {

// Products.ini in the folder of the running program file.
std::string ProductsIniPath();

// The mode a Platform section is handed over with: 3 when its name contains
// "\x32", else 4 when it contains "\x64", else 2.
int PlatformMode(const std::string& section);

// The Platform pass (SetupPManIni for every section naming the
// installation's release) for all installations, then the Products pass
// (RegisterAppInPManIniEx). Nothing happens when the file cannot be read.
void RunProductsIni(const std::vector<PMAcad>& acads,
                    Registration& registration = LibraryRegistration(),
                    const std::string& iniPath = ProductsIniPath());

}  // namespace model
