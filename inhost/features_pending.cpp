// The features of features.h that are not built yet: each does nothing, so
// the module's life runs through its places all the same. A feature that
// lands takes its functions out of this file.
#include "inhost/features.h"

namespace inhost {

void SyncProfileWorkspace(const std::string& /*profile*/) {}
int LoadApplicationMenus(QyProfileManager& /*manager*/) { return 1; }
void EnterProfileMenus(QyProfileManager& /*manager*/, const std::string& /*profile*/) {}
void StartPipeServer(const std::string& /*pipeName*/, void* /*mainWindow*/) {}
void StopPipeServer(const std::string& /*pipeName*/) {}
void CreateOptionsPage() {}
void DestroyOptionsPage() {}
void AddOptionsPage(void* /*tabbedDialog*/) {}
void ShowProfilePageDialog() {}
void UpdateProfileToolbar() {}

}  // namespace inhost
