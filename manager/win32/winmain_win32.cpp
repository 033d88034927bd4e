// Entry point of Arvenlo.exe: the command line as Windows holds it (UTF-16),
// split by the usual rules and handed to start-up in the ANSI code page, as
// everything else of the core works.
#include <windows.h>

#include <string>
#include <vector>

#include "manager/command_line_split.h"
#include "manager/manager_app.h"
#include "manager/win32/win32_manager_ui.h"
#include "platform/text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const auto* line = reinterpret_cast<const char16_t*>(GetCommandLineW());
  std::vector<std::u16string> wide = manager::SplitCommandLine(line ? line : u"");
  std::vector<std::string> args;
  for (std::size_t i = 1; i < wide.size(); ++i) args.push_back(platform::WideToAnsi(wide[i]));

  manager::Win32ManagerUi ui;
  manager::DefaultManagerActions actions;
  manager::CPManDlgApp app(ui, actions);
  app.InitInstance(args);
  return app.ExitInstance();
}
