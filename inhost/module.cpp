#include "inhost/module.h"

#include "common/language.h"
#include "common/reglib_binding.h"
#include "common/resource_ids.h"
#include "inhost/build.h"
#include "inhost/companion.h"
#include "inhost/features.h"
#include "inhost/profile_manager.h"
#include "platform/names.h"
#include "platform/modules.h"
#include "platform/path.h"

namespace inhost {

namespace {

host::Host* g_host = nullptr;
QyProfileManager* g_manager = nullptr;
std::string g_pipeName;

std::string OwnFileName() {
  platform::PathParts self = platform::SplitPath(platform::ThisModulePath());
  return self.base + self.ext;
}

void Initialise(host::Host& host, void* appId) {
  g_host = &host;
  if (host::DynamicLinker* linker = host.dynamicLinker()) {
    linker->unlockApplication(appId);
    linker->registerAppMDIAware(appId);
  }
  common::ChooseUiLanguage(common::LanguageIniPath());
  // The registration library beside this module (or one folder up); without
  // it the page's library calls do nothing.
  common::BindRegLib();
  if (!IsLtBuild()) CreateOptionsPage();
  g_pipeName.clear();
  g_manager = new QyProfileManager(host, &g_pipeName);

  if (host::CommandStack* commands = host.commandStack()) {
    commands->addCommand(kCommandGroup, "Arvlo_LoadAppsOnStartup", "Arvlo_LoadAppsOnStartup",
                         host::kCmdModal, CmdLoadAppsOnStartup);
    commands->addCommand(kCommandGroup, "Arvlo_LoadMenusOnStartup", "Arvlo_LoadMenusOnStartup",
                         host::kCmdModal, CmdLoadMenusOnStartup);
    commands->addCommand(kCommandGroup, "VOKT0003_CHANGEPROFILE", "QYCHANGEPROFILE",
                         host::kCmdModal, CmdChangeProfile);
    if (IsLtBuild())
      commands->addCommand(kCommandGroup, "VOKT0003_Arvenlo", "Arvenlo", host::kCmdModal,
                           CmdShowProfilePage);
  }
  NotifyCompanion(HostProductKey(host), kCePath, host::kCompanionLoaded, {kCommandGroup});
  g_manager->addOptionsTab = 1;
  if (g_manager->addOptionsTab) host.registerExtendedTab(OwnFileName().c_str(), "OptionsDialog");
}

void Unload(host::Host& host) {
  if (!g_pipeName.empty()) StopPipeServer(g_pipeName);
  delete g_manager;
  g_manager = nullptr;
  if (!IsLtBuild()) DestroyOptionsPage();
  // The host would otherwise keep commands whose code goes with this module.
  if (host::CommandStack* commands = host.commandStack()) commands->removeGroup(kCommandGroup);
  common::UnbindRegLib();
  g_host = nullptr;
}

}  // namespace

QyProfileManager* Manager() { return g_manager; }
const std::string& PipeName() { return g_pipeName; }

int ModuleEntryPoint(host::Host* host, int message, void* packet) {
  if (!host) return host::kRetOK;
  switch (message) {
    case host::kInitAppMsg:
      Initialise(*host, packet);
      break;
    case host::kUnloadAppMsg:
      Unload(*host);
      break;
    case host::kInitDialogMsg:
      if (!IsLtBuild() && g_manager && g_manager->addOptionsTab) AddOptionsPage(packet);
      break;
    default:
      break;
  }
  return host::kRetOK;
}

void CmdLoadAppsOnStartup() {
  if (!g_manager || !g_host) return;
  g_manager->LoadApplications();
  if (!g_pipeName.empty()) StartPipeServer(g_pipeName, g_host->mainWindow());
}

void CmdLoadMenusOnStartup() {
  if (!g_manager || !g_host) return;
  SyncProfileWorkspace(GetCurrentProfileName(*g_host));
  LoadApplicationMenus(*g_manager);
}

void CmdChangeProfile() {
  if (!g_host) return;
  const std::uint16_t language = common::GetUiLanguage();
  const std::string prompt = common::LoadLangString(common::kIdsEnterProfileName, language);
  char answer[2049] = "";
  if (g_host->getString(true, prompt.c_str(), answer, sizeof answer) != host::kRtNorm) return;
  if (platform::SameNameIgnoringCase(answer, GetCurrentProfileName(*g_host))) {
    // The string's one %s is the answer; the answer itself is never a format.
    std::string format = common::LoadLangString(common::kIdsProfileAlreadyCurrent, language);
    std::string text;
    std::size_t at = format.find("%s");
    text = at == std::string::npos ? format : format.substr(0, at) + answer + format.substr(at + 2);
    g_host->print(text.c_str());
    return;
  }
  if (host::ProfileManager* profiles = g_host->profileManager()) profiles->ProfileSetCurrent(answer);
}

void CmdShowProfilePage() { ShowProfilePageDialog(); }

}  // namespace inhost
