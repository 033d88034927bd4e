// The Windows side of the end-to-end tests: files, the registry and one
// child process per run of the stand-in host.
#include "tests/inhost/installation.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/support/reg_text.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/registry_key.h"

namespace e2e {

namespace {

// Build outputs are named by their Linux paths; Wine sees them on drive Z:.
std::string WinePath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}


void DeleteFolderTree(const std::string& folder) {
  for (const platform::FolderEntry& e : platform::ListFolder(folder)) {
    std::string path = folder + "\\" + e.name;
    if (e.attributes & platform::kAttrDirectory)
      DeleteFolderTree(path);
    else
      platform::DeleteOneFile(path);
  }
  platform::RemoveFolder(folder);
}

platform::RegistryKey CreateKey(platform::RegHandle root, const std::string& path) {
  platform::RegistryKey key;
  key.Create(root, path, platform::kKeyAllAccess);
  return key;
}

}  // namespace

std::vector<std::string> HostRun::Lines(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : journal)
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  return found;
}

int HostRun::Find(const std::string& line, int from) const {
  for (int i = from < 0 ? 0 : from; i < static_cast<int>(journal.size()); ++i)
    if (journal[i] == line) return i;
  return -1;
}

std::string HostRun::Text() const {
  std::string text;
  for (const std::string& line : journal) text += line + "\n";
  return text;
}

Installation::Installation(const std::string& name, bool lt) : lt_(lt) {
  productKey_ = lt ? "Software\\Autodesk\\AutoCAD LT\\R11\\ACADLT-E2E" + name + ":409"
                   : "Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-E2E" + name + ":409";
  std::string base = platform::TempPath() + "arvenlo-inhost-e2e";
  platform::CreateFolder(base);
  folder_ = base + "\\" + name + "\\";
  Cleanup();
  platform::CreateFolder(folder_.substr(0, folder_.size() - 1));
  platform::CreateFolder(folder_ + "apps");
  platform::CopyOneFile(WinePath(ARVENLO_HOSTSIM_EXE), folder_ + (lt ? "acadlt.exe" : "acad.exe"),
                        false);
  platform::CopyOneFile(WinePath(ARVENLO_STARTER_MODULE), folder_ + "Arvenlo.dbx", false);
  platform::CopyOneFile(WinePath(lt ? ARVENLO_INHOST_ALX : ARVENLO_INHOST_ARX),
                        folder_ + (lt ? "Arvenlo.alx" : "Arvenlo.arx"), false);
  platform::RegistryKey product = CreateKey(platform::kHkeyLocalMachine, productKey_);
  product.WriteString("Location", folder_.substr(0, folder_.size() - 1));
  product.WriteString("ProductName", "Stand-in " + name);
}

Installation::~Installation() { Cleanup(); }

void Installation::Cleanup() {
  testsupport::DeleteRegTree(platform::kHkeyLocalMachine, productKey_);
  testsupport::DeleteRegTree(platform::kHkeyCurrentUser, productKey_);
  DeleteFolderTree(folder_.substr(0, folder_.size() - 1));
}

void Installation::EnterStarter() {
  platform::RegistryKey entry =
      CreateKey(platform::kHkeyLocalMachine, productKey_ + "\\Applications\\ArvenloStarter");
  entry.WriteDword("LOADCTRLS", 2);
  entry.WriteString("LOADER", folder_ + "Arvenlo.dbx");
  SetSetupValue("PmPath", folder_ + (lt_ ? "Arvenlo.alx" : "Arvenlo.arx"));
}

void Installation::EnterInHostModuleDirectly() {
  platform::RegistryKey entry =
      CreateKey(platform::kHkeyLocalMachine, productKey_ + "\\Applications\\Arvenlo");
  entry.WriteDword("LOADCTRLS", 2);
  entry.WriteString("LOADER", folder_ + (lt_ ? "Arvenlo.alx" : "Arvenlo.arx"));
}

void Installation::EnterInHostModuleOnCommand() {
  std::string key = productKey_ + "\\Applications\\Arvenlo";
  platform::RegistryKey entry = CreateKey(platform::kHkeyLocalMachine, key);
  entry.WriteDword("LOADCTRLS", 12);
  entry.WriteString("LOADER", folder_ + (lt_ ? "Arvenlo.alx" : "Arvenlo.arx"));
  CreateKey(platform::kHkeyLocalMachine, key + "\\Commands")
      .WriteString("VOKT0003_CHANGEPROFILE", "QYCHANGEPROFILE");
}

void Installation::SetSetupValue(const char* name, const std::string& value) {
  CreateKey(platform::kHkeyLocalMachine, productKey_ + "\\Applications\\Arvenlo")
      .WriteString(name, value);
}

void Installation::RegisterApp(const App& app) {
  std::string root = productKey_ + "\\Applications\\Arvenlo";
  platform::RegistryKey key = CreateKey(platform::kHkeyLocalMachine, root + "\\Applications\\" + app.name);
  std::vector<std::string> files = app.loaderFiles;
  if (files.empty()) files.push_back(app.name + ".arx");
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string path = AppPath(files[i]);
    if (files[i].find("missing") == std::string::npos)
      platform::CopyOneFile(WinePath(ARVENLO_SAMPLE_APP), path, false);
    std::string value = i == 0 ? "Loader" : "Loader" + std::to_string(i);
    key.WriteString(value.c_str(), path);
  }
  if (!app.commandGroups.empty()) key.WriteString("CommandGroups", app.commandGroups);
  if (!app.modules.empty()) key.WriteString("Modules", app.modules);
  if (app.unloadable >= 0) key.WriteDword("Unloadable", static_cast<std::uint32_t>(app.unloadable));
  if (app.stdLoadOrder >= 0)
    CreateKey(platform::kHkeyLocalMachine, root + "\\StdLoadOrder")
        .WriteDword(app.name.c_str(), static_cast<std::uint32_t>(app.stdLoadOrder));
}

void Installation::AddCompanion(const std::string& file) {
  platform::CopyOneFile(WinePath(ARVENLO_SAMPLE_COMPANION), AppPath(file), false);
}

void Installation::AddProfile(const std::string& profile) {
  CreateKey(platform::kHkeyCurrentUser, productKey_ + "\\Profiles\\" + profile)
      .WriteString("", "profile " + profile);
}

void Installation::SetCurrentProfile(const std::string& profile) {
  CreateKey(platform::kHkeyCurrentUser, productKey_ + "\\Profiles").WriteString("", profile);
}

void Installation::Link(const std::string& profile, const std::string& app,
                        std::uint32_t loadOrder) {
  platform::RegistryKey link = CreateKey(
      platform::kHkeyCurrentUser,
      productKey_ + "\\Profiles\\" + profile + "\\Arvenlo\\Applications\\" + app);
  link.WriteDword("LoadOrder", loadOrder);
  link.WriteDword("MenuLoaded", 0);
}

void Installation::SetNoteDword(const std::string& profile, const char* name,
                                std::uint32_t value) {
  CreateKey(platform::kHkeyCurrentUser, productKey_ + "\\Profiles\\" + profile + "\\Arvenlo")
      .WriteDword(name, value);
}

void Installation::SetNoteString(const std::string& profile, const char* name,
                                 const std::string& value) {
  CreateKey(platform::kHkeyCurrentUser, productKey_ + "\\Profiles\\" + profile + "\\Arvenlo")
      .WriteString(name, value);
}

bool Installation::HasNote(const std::string& profile, const char* name) const {
  platform::RegistryKey key;
  if (key.Open(platform::kHkeyCurrentUser, productKey_ + "\\Profiles\\" + profile + "\\Arvenlo",
               platform::kKeyRead) != platform::kErrSuccess)
    return false;
  return platform::RegQuery(key.handle(), name, nullptr, nullptr, nullptr) == platform::kErrSuccess;
}

long Installation::NoteDword(const std::string& profile, const char* name) const {
  platform::RegistryKey key;
  if (key.Open(platform::kHkeyCurrentUser, productKey_ + "\\Profiles\\" + profile + "\\Arvenlo",
               platform::kKeyRead) != platform::kErrSuccess)
    return -1;
  auto value = key.ReadDword(name);
  return value ? static_cast<long>(*value) : -1;
}

std::string Installation::CurrentProfile() const {
  platform::RegistryKey key;
  if (key.Open(platform::kHkeyCurrentUser, productKey_ + "\\Profiles", platform::kKeyRead) !=
      platform::kErrSuccess)
    return std::string();
  return key.ReadString("").value_or("");
}

HostRun Installation::Start(const std::vector<std::string>& script, int timeoutSeconds) {
  Launch(script, timeoutSeconds);
  return Finish();
}

bool Installation::Launch(const std::vector<std::string>& script, int timeoutSeconds) {
  ++runs_;
  std::string scriptPath = folder_ + "run" + std::to_string(runs_) + ".scr";
  journalPath_ = folder_ + "run" + std::to_string(runs_) + ".journal";
  std::string text;
  for (const std::string& line : script) text += line + "\r\n";
  platform::WriteWholeFile(scriptPath, text);
  platform::DeleteOneFile(journalPath_);

  std::string command = "\"" + folder_ + (lt_ ? "acadlt.exe" : "acad.exe") + "\" /b \"" +
                        scriptPath + "\" /journal \"" + journalPath_ + "\" /timeout " +
                        std::to_string(timeoutSeconds);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  CloseHandle(process.hThread);
  process_ = process.hProcess;
  processId_ = process.dwProcessId;
  return true;
}

namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (owner == search->processId && std::string(name) == "ArvenloHostSimMain") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool Installation::SendTypedText(const std::string& text) {
  // The host's main window appears once it has started; give it ten seconds.
  WindowSearch search{static_cast<DWORD>(processId_), nullptr};
  for (int i = 0; i < 200 && !search.found; ++i) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    // Without a display the host's window is a message-only one.
    for (HWND w = nullptr; !search.found &&
                           (w = FindWindowExA(HWND_MESSAGE, w, "ArvenloHostSimMain", nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == search.processId) search.found = w;
    }
    if (!search.found) Sleep(50);
  }
  if (!search.found) return false;
  std::wstring wide(text.begin(), text.end());
  COPYDATASTRUCT data = {};
  data.dwData = 1;
  if (lt_) {
    data.cbData = static_cast<DWORD>(text.size() + 1);
    data.lpData = const_cast<char*>(text.c_str());
  } else {
    data.cbData = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(wide.c_str());
  }
  SendMessageA(search.found, WM_COPYDATA, reinterpret_cast<WPARAM>(search.found),
               reinterpret_cast<LPARAM>(&data));
  return true;
}

HostRun Installation::Finish() {
  HostRun run;
  if (!process_) return run;
  HANDLE process = static_cast<HANDLE>(process_);
  WaitForSingleObject(process, 90000);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  run.exitCode = static_cast<int>(code);
  CloseHandle(process);
  process_ = nullptr;

  std::string contents;
  platform::ReadWholeFile(journalPath_, &contents);
  std::istringstream lines(contents);
  std::string line;
  while (std::getline(lines, line)) run.journal.push_back(line);
  return run;
}

}  // namespace e2e
