// The in-host module's life: its entry point's messages, its initialisation
// and unload, and its commands.
#pragma once

#include <string>

#include "host/host.h"

namespace inhost {

class QyProfileManager;

inline constexpr const char kCommandGroup[] = "VOKT0003_QYVESK";

// The entry point's work (the exported acrxEntryPoint forwards here).
int ModuleEntryPoint(host::Host* host, int message, void* packet);

// The module-wide state, for the commands and for tests.
QyProfileManager* Manager();
const std::string& PipeName();

// The commands.
void CmdLoadAppsOnStartup();
void CmdLoadMenusOnStartup();
void CmdChangeProfile();
void CmdShowProfilePage();

}  // namespace inhost
