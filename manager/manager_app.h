// The manager program's application object: all start-up work, from the
// windowing set-up to the one job this start does. Windows-free; the view
// and the jobs come in through ManagerUi and ManagerActions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "manager/command_line_info.h"
#include "manager/manager_actions.h"
#include "manager/manager_ui.h"

namespace manager {

// The one job of a start, in the order the dispatch tries them.
enum class StartMode {
  kInteractive,    // no argument at all
  kLaunch,         // -r with a non-empty -a and -p
  kDump,           // -d with a file
  kDeleteProfile,  // -dp
  kUnregApp,       // -ua
  kUsage,          // anything else
};

// First match wins.
StartMode ChooseStartMode(const CPMCommandLineInfo& info);

class CPManDlgApp {
 public:
  CPManDlgApp(ManagerUi& ui, ManagerActions& actions) : m_ui(ui), m_actions(actions) {}
  virtual ~CPManDlgApp() = default;

  // Start-up: windowing, language, title, parse `args` (the program name not
  // included), dispatch. Returns false: the program ends when it is done.
  virtual bool InitInstance(const std::vector<std::string>& args);

  // Frees the library; returns the process exit code.
  virtual std::int32_t ExitInstance();

  // Caption of every message box (string 10005 in the chosen language).
  const std::u16string& Title() const { return m_strTitle; }
  const CPMCommandLineInfo& CommandLine() const { return m_cmdInfo; }

  std::int32_t m_nExitCode = 0;

 private:
  void Dispatch();
  void RunLaunchMode();

  ManagerUi& m_ui;
  ManagerActions& m_actions;
  CPMCommandLineInfo m_cmdInfo;
  std::u16string m_strTitle;
};

}  // namespace manager
