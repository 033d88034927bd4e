// The module's features that hang off the start-up commands, the profile
// notifications and the unload: menus and workspaces, the command pipe, the
// options page and the profile toolbar. Each is called at its place in the
// module's life; until a feature is built its call does nothing.
#pragma once

#include <string>

namespace inhost {

class QyProfileManager;

// Menus and workspaces: the first start-up command.
void SyncProfileWorkspace(const std::string& profile);
int LoadApplicationMenus(QyProfileManager& manager);
// AutoCAD LT build: enter the menus of the applications to load into the
// registry of the profile that is about to become current.
void EnterProfileMenus(QyProfileManager& manager, const std::string& profile);

// The command pipe: started by the application start-up command, stopped at unload.
void StartPipeServer(const std::string& pipeName, void* mainWindow);
void StopPipeServer(const std::string& pipeName);

// The profile page: as an Options tab (AutoCAD build) or a dialog (AutoCAD LT build).
void CreateOptionsPage();
void DestroyOptionsPage();
void AddOptionsPage(void* tabbedDialog);
void ShowProfilePageDialog();

// The profile toolbar.
void UpdateProfileToolbar();

}  // namespace inhost
