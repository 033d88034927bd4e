// hostsim: a stand-in for the CAD host, installed by tests and the demo as
// acad.exe (acadlt.exe, aclt.exe) in a fake installation folder.
//
//   acad.exe [/product KEY] [/b SCRIPT] [/journal FILE] [/timeout SECONDS]
//            [/p PROFILE] [/noworkspaces]
//
// Without /product it takes the installation whose Location (or
// AcadLocation) is its own folder. Without /journal it writes the journal
// named by ARVENLO_HOSTSIM_JOURNAL, if any. A scripted run ends after
// /timeout seconds at the latest (default 120), with exit code 5.
//
// At start it loads every demand-load entry of <product key>\Applications
// whose LOADCTRLS has bit 2; an entry with bit 4 is loaded when a command its
// Commands key names is typed.
//
// Input. A script (/b) or, without one, standard input: every line is typed
// on the command line, where a line break or a space ends a command name and
// a prompt's answer; text queued by modules and text arriving as WM_COPYDATA
// (dwData 1) at the hidden main window come first. Lines beginning with ";"
// are comments. Directives:
//   #answer yes|no|ok|cancel  answers the next message box (a scripted run
//                             ends with exit code 4 when a box finds none)
//   #cancel, #fail            answer a prompt by cancelling or failing it;
//                             the command then counts as cancelled or failed
//   #wait MS                  waits up to MS milliseconds for queued input
// A prompt that the script cannot answer also ends the run with exit code 4.
// Without a script, message boxes are real.
//
// Commands: those modules registered (by global or local name, any case,
// leading "_" and "." ignored), and QUIT / EXIT, PROFILE <name> (through the
// profile manager, with its notifications), ARX_LOAD <path>, ARX_UNLOAD
// <file or path>, OPTIONS (the Options dialog's extended tabs), ECHO <text>.
// After each command the editor reactors hear how it went; when no input is
// waiting, the input-context reactors hear that the editor is idle.
//
// Journal events, one line each as "<event>: <text>": start, load, unload,
// unlocked, command-added, group-removed, command, ended, cancelled, failed,
// unknown, demand-load, print, prompt, question, queued, copydata, profile,
// setvar, acedcommand, extended-tab, init-dialog, tab-added, leftover
// (something a module left registered when it went), wait, script-error,
// input-ended, timeout, end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "hostsim/journal.h"
#include "hostsim/sim_host.h"
#include "platform/registry.h"
#include "platform/registry_key.h"

extern "C" __declspec(dllexport) host::Host* ArvenloHostInterface() { return hostsim::TheHost(); }

namespace {

std::string Normalised(std::string folder) {
  for (char& c : folder) {
    if (c == '/') c = '\\';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string OwnFolder() {
  char path[MAX_PATH * 2] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\'));
}

// The product key whose installation folder is this program's folder.
std::string FindOwnProductKey() {
  const std::string own = Normalised(OwnFolder());
  for (const char* family : {"Software\\Autodesk\\AutoCAD", "Software\\Autodesk\\AutoCAD LT"}) {
    platform::RegistryKey familyKey;
    if (familyKey.Open(platform::kHkeyLocalMachine, family, platform::kKeyRead) !=
        platform::kErrSuccess)
      continue;
    std::string release;
    for (std::uint32_t i = 0; familyKey.EnumKeyName(i, &release) == platform::kErrSuccess; ++i) {
      platform::RegistryKey releaseKey;
      if (releaseKey.Open(familyKey.handle(), release, platform::kKeyRead) != platform::kErrSuccess)
        continue;
      std::string product;
      for (std::uint32_t j = 0; releaseKey.EnumKeyName(j, &product) == platform::kErrSuccess; ++j) {
        platform::RegistryKey productKey;
        if (productKey.Open(releaseKey.handle(), product, platform::kKeyRead) !=
            platform::kErrSuccess)
          continue;
        std::optional<std::string> location = productKey.ReadString("Location", 1024);
        if (!location) location = productKey.ReadString("AcadLocation", 1024);
        if (location && Normalised(*location) == own)
          return std::string(family) + "\\" + release + "\\" + product;
      }
    }
  }
  return std::string();
}

hostsim::SimHost* g_running = nullptr;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA && g_running) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data && data->dwData == 1) {
      std::string text;
      if (g_running->IsLt()) {
        text.assign(static_cast<const char*>(data->lpData), data->cbData);
      } else {
        // The Unicode host takes UTF-16 text.
        std::wstring wide(static_cast<const wchar_t*>(data->lpData), data->cbData / 2);
        int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, nullptr);
        text.resize(n > 0 ? n : 0);
        if (n > 0)
          WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                              n, nullptr, nullptr);
      }
      text = text.c_str();  // up to the terminator
      g_running->ReceiveTypedText(text);
      return TRUE;
    }
    return FALSE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI Watchdog(void* parameter) {
  DWORD seconds = static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(parameter));
  Sleep(seconds * 1000);
  hostsim::Journal("timeout", std::to_string(seconds) + " s");
  hostsim::CloseJournal();
  ExitProcess(hostsim::kExitTimeout);
}

}  // namespace

int main(int argc, char** argv) {
  hostsim::Options options;
  std::string journal;
  long timeout = -1;
  if (const char* env = std::getenv("ARVENLO_HOSTSIM_JOURNAL")) journal = env;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (!arg.empty() && arg[0] == '-') arg[0] = '/';
    auto next = [&](std::string* out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    std::string value;
    if (arg == "/product" && next(&options.productKey)) continue;
    if (arg == "/b" && next(&options.scriptPath)) continue;
    if (arg == "/journal" && next(&journal)) continue;
    if (arg == "/p" && next(&options.startProfile)) continue;
    if (arg == "/timeout" && next(&value)) {
      timeout = std::strtol(value.c_str(), nullptr, 10);
      continue;
    }
    if (arg == "/noworkspaces") {
      options.workspaces = false;
      continue;
    }
    std::fprintf(stderr, "hostsim: unknown option %s\n", argv[i]);
    return hostsim::kExitUsage;
  }
  hostsim::OpenJournal(journal);
  if (options.productKey.empty()) options.productKey = FindOwnProductKey();
  if (options.productKey.empty()) {
    hostsim::Journal("error", "no installation has the folder " + OwnFolder());
    std::fprintf(stderr, "hostsim: no installation has the folder %s\n", OwnFolder().c_str());
    return hostsim::kExitUsage;
  }
  if (timeout < 0) timeout = options.scriptPath.empty() ? 0 : 120;
  if (timeout > 0)
    CloseHandle(CreateThread(nullptr, 0, Watchdog,
                             reinterpret_cast<void*>(static_cast<std::uintptr_t>(timeout)), 0,
                             nullptr));

  hostsim::SimHost simHost(options);
  g_running = &simHost;

  // The real main window, never shown: text typed through WM_COPYDATA arrives here.
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "ArvenloHostSimMain";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA(windowClass.lpszClassName, "Arvenlo host simulator",
                              WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
  // Without a display Wine makes no top-level windows; a message-only window
  // still takes the messages the host needs.
  if (!window)
    window = CreateWindowA(windowClass.lpszClassName, "Arvenlo host simulator", 0, 0, 0, 0, 0,
                           HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
  simHost.SetMainWindow(window);

  int code = simHost.Run();
  g_running = nullptr;
  if (window) DestroyWindow(window);
  hostsim::CloseJournal();
  return code;
}
