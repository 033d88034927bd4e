#include "manager/manager_app.h"

#include "common/language.h"
#include "common/reglib_binding.h"
#include "common/resource_ids.h"
#include "manager/launch_messages.h"

namespace manager {

StartMode ChooseStartMode(const CPMCommandLineInfo& info) {
  if (!info.m_bArgs) return StartMode::kInteractive;
  if (info.m_bRun && !info.m_strAcadKey.empty() && !info.m_strProfile.empty())
    return StartMode::kLaunch;
  if (info.m_bDump && !info.m_strDumpFile.empty()) return StartMode::kDump;
  if (!info.m_strDelProfile.empty()) return StartMode::kDeleteProfile;
  if (!info.m_strUnregApp.empty()) return StartMode::kUnregApp;
  return StartMode::kUsage;
}

bool CPManDlgApp::InitInstance(const std::vector<std::string>& args) {
  // The library is bound before anything else runs, as a module does when
  // it is loaded; here rather than in a static constructor, so that its
  // order with the rest of start-up stays plain.
  common::BindRegLib();
  m_ui.InitializeWindowing();

  common::ChooseUiLanguage(common::LanguageIniPath());
  m_strTitle = common::LoadLangStringWide(common::kIdsAppTitle, common::GetUiLanguage());

  ParseCommandLine(args, m_cmdInfo);
  Dispatch();
  return false;
}

std::int32_t CPManDlgApp::ExitInstance() {
  common::UnbindRegLib();
  return m_nExitCode;
}

void CPManDlgApp::RunLaunchMode() {
  PMRunInfo run = MakeRunInfo(m_cmdInfo);
  if (!m_cmdInfo.m_strAcSSE.empty()) {
    const std::string& instance =
        m_cmdInfo.m_strInstName.empty() ? m_cmdInfo.m_strProfile : m_cmdInfo.m_strInstName;
    if (std::optional<std::int32_t> handedOver =
            m_actions.HandOff(instance, m_cmdInfo.m_strAcadKey, m_cmdInfo.m_strAcSSE, run)) {
      m_nExitCode = *handedOver;
      return;
    }
  }
  const std::int32_t result = m_actions.RunAcad(run);
  const std::u16string message = LaunchResultMessage(result, run, common::GetUiLanguage());
  if (!message.empty()) m_ui.ShowMessage(message, m_strTitle, kMessageOk);
  m_nExitCode = 0;
}

void CPManDlgApp::Dispatch() {
  switch (ChooseStartMode(m_cmdInfo)) {
    case StartMode::kInteractive:
      m_nExitCode = m_actions.RunInteractive();
      break;
    case StartMode::kLaunch:
      RunLaunchMode();
      break;
    case StartMode::kDump:
      m_actions.WriteDump(m_cmdInfo.m_strDumpFile);
      break;
    case StartMode::kDeleteProfile:
      m_actions.DeleteProfileAllAcads(m_cmdInfo.m_strDelProfile);
      break;
    case StartMode::kUnregApp:
      m_actions.UnregAppInPManAllAcads(m_cmdInfo.m_strUnregApp);
      break;
    case StartMode::kUsage:
      m_ui.ShowMessage(common::LoadLangStringWide(common::kIdsUsage, common::GetUiLanguage()),
                       m_strTitle, kMessageOk);
      break;
  }
}

}  // namespace manager
