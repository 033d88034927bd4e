// The stand-in host's behaviour. Everything runs on the main thread; the only
// other thread is the watchdog of main.cpp.
#include "hostsim/sim_host.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "hostsim/journal.h"
#include "platform/registry.h"
#include "platform/registry_key.h"

namespace hostsim {

namespace {

SimHost* g_host = nullptr;

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool SameText(const std::string& a, const std::string& b) { return Upper(a) == Upper(b); }

std::string Trim(const std::string& text) {
  std::size_t b = text.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return std::string();
  std::size_t e = text.find_last_not_of(" \t\r\n");
  return text.substr(b, e - b + 1);
}

std::string ResultText(int result) {
  if (result == host::kRetOK) return "0";
  if (result == host::kRetError) return "3";
  return std::to_string(result);
}

}  // namespace

SimHost* TheHost() { return g_host; }

SimHost::SimHost(const Options& options) : options_(options) {
  g_host = this;
  scripted_ = !options_.scriptPath.empty();
  host::Value echo;
  echo.type = host::kRtShort;
  echo.number = 1;
  vars_["CMDECHO"] = echo;
  if (options_.workspaces) workspaces_.push_back("Drafting");
}

bool SimHost::IsLt() const { return options_.productKey.find("\\AutoCAD LT\\") != std::string::npos; }

// ---------------------------------------------------------------- start and end

int SimHost::Run() {
  if (scripted_) {
    std::string contents;
    std::FILE* file = std::fopen(options_.scriptPath.c_str(), "rb");
    if (!file) {
      Journal("error", "cannot read the script " + options_.scriptPath);
      return kExitUsage;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, n);
    std::fclose(file);
    std::size_t start = 0;
    while (start <= contents.size()) {
      std::size_t end = contents.find('\n', start);
      if (end == std::string::npos) end = contents.size();
      std::string line = contents.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!(end == contents.size() && line.empty())) script_.push_back(line);
      start = end + 1;
    }
  }

  // The current profile, made current first when the command line named one.
  {
    platform::RegistryKey profiles;
    std::string path = options_.productKey + "\\Profiles";
    if (!options_.startProfile.empty() &&
        profiles.Create(platform::kHkeyCurrentUser, path, platform::kKeyAllAccess) ==
            platform::kErrSuccess)
      profiles.WriteString("", options_.startProfile);
    if (profiles.is_open() ||
        profiles.Open(platform::kHkeyCurrentUser, path, platform::kKeyRead) == platform::kErrSuccess)
      currentProfile_ = profiles.ReadString("", 1024).value_or("");
  }
  if (options_.workspaces) {
    host::Value ws;
    ws.type = host::kRtStr;
    vars_["WSCURRENT"] = ws;
    varText_ = workspaces_.front();
  }
  char window[32];
  std::snprintf(window, sizeof window, "%p", mainWindow_);
  Journal("start", options_.productKey + " profile=" + currentProfile_ + " window=" + window);

  LoadDemandLoadEntries();
  FireIdle();
  RunCommandLine();
  UnloadEverything();
  Journal("end", "");
  return kExitOk;
}

void SimHost::LoadDemandLoadEntries() {
  platform::RegistryKey apps;
  if (apps.Open(platform::kHkeyLocalMachine, options_.productKey + "\\Applications",
                platform::kKeyRead) != platform::kErrSuccess)
    return;
  std::vector<std::string> loaders;
  std::string name;
  for (std::uint32_t i = 0; apps.EnumKeyName(i, &name, 1024) == platform::kErrSuccess; ++i) {
    platform::RegistryKey app;
    if (app.Open(apps.handle(), name, platform::kKeyRead) != platform::kErrSuccess) continue;
    std::uint32_t controls = app.ReadDword("LOADCTRLS").value_or(0);
    std::optional<std::string> loader = app.ReadString("LOADER", 2048);
    if ((controls & 2) && loader && !loader->empty()) loaders.push_back(*loader);
  }
  for (const std::string& loader : loaders) loadModule(loader.c_str(), false, true);
}

void SimHost::UnloadEverything() {
  // Last loaded first, as the host ends.
  while (!modules_.empty()) {
    Module* module = modules_.back();
    int result = module->entry(host::kUnloadAppMsg, module);
    Journal("unload", module->path + " -> " + ResultText(result) + " (host ends)");
    // Its unload message may have unloaded others, but not itself.
    if (std::find(modules_.begin(), modules_.end(), module) != modules_.end()) FreeOne(module);
  }
}

// -------------------------------------------------------------- dynamic linker

SimHost::Module* SimHost::FindModule(const std::string& path) {
  for (Module* module : modules_)
    if (SameText(module->path, path)) return module;
  return nullptr;
}

bool SimHost::unlockApplication(void* appId) {
  Module* module = static_cast<Module*>(appId);
  if (std::find(modules_.begin(), modules_.end(), module) == modules_.end()) return false;
  module->unlocked = true;
  Journal("unlocked", module->path);
  return true;
}

bool SimHost::registerAppMDIAware(void* appId) {
  Module* module = static_cast<Module*>(appId);
  if (std::find(modules_.begin(), modules_.end(), module) == modules_.end()) return false;
  module->mdiAware = true;
  return true;
}

bool SimHost::loadModule(const char* path, bool /*printIt*/, bool /*asCommand*/) {
  std::string file = path ? path : "";
  if (Module* already = FindModule(file)) {
    Journal("load", file + " -> already loaded");
    return already->initialised;
  }
  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, cwd);
  HMODULE handle = LoadLibraryA(file.c_str());
  if (!handle) {
    Journal("load", file + " -> not found (cwd " + cwd + ")");
    return false;
  }
  auto entry = reinterpret_cast<host::EntryPoint>(
      reinterpret_cast<void*>(GetProcAddress(handle, host::kEntryPointName)));
  if (!entry) {
    FreeLibrary(handle);
    Journal("load", file + " -> no entry point");
    return false;
  }
  Module* module = new Module;
  module->path = file;
  module->handle = handle;
  module->entry = entry;
  modules_.push_back(module);
  int result = entry(host::kInitAppMsg, module);
  Journal("load", file + " -> " + ResultText(result) + " (cwd " + cwd + ")");
  if (result != host::kRetOK) {
    // A module that refuses its initialisation is unloaded at once, without
    // an unload message.
    FreeOne(module);
    Journal("unload", file + " -> refused its initialisation");
    return false;
  }
  module->initialised = true;
  for (host::DLinkerReactor* reactor : std::vector<host::DLinkerReactor*>(linkerReactors_))
    if (std::find(linkerReactors_.begin(), linkerReactors_.end(), reactor) != linkerReactors_.end())
      reactor->moduleLoaded(file.c_str());
  return true;
}

bool SimHost::unloadModule(const char* path, bool /*asCommand*/) {
  std::string file = path ? path : "";
  Module* module = FindModule(file);
  if (!module) {
    Journal("unload", file + " -> not loaded");
    return false;
  }
  if (!module->unlocked) {
    Journal("unload", file + " -> locked");
    return false;
  }
  int result = module->entry(host::kUnloadAppMsg, module);
  if (result != host::kRetOK) {
    Journal("unload", file + " -> " + ResultText(result) + " (refused)");
    return false;
  }
  Journal("unload", file + " -> 0");
  FreeOne(module);
  for (host::DLinkerReactor* reactor : std::vector<host::DLinkerReactor*>(linkerReactors_))
    if (std::find(linkerReactors_.begin(), linkerReactors_.end(), reactor) != linkerReactors_.end())
      reactor->moduleUnloaded(file.c_str());
  return true;
}

void SimHost::FreeOne(Module* module) {
  modules_.erase(std::find(modules_.begin(), modules_.end(), module));
  ForgetLeftovers(module->handle, module->path);
  FreeLibrary(static_cast<HMODULE>(module->handle));
  delete module;
}

// What a module left behind when it went: commands whose code, or reactors
// whose class, lie in the module. They are journalled (so tests see them)
// and forgotten (so the host does not call into freed code).
void SimHost::ForgetLeftovers(void* moduleHandle, const std::string& path) {
  auto inModule = [moduleHandle](const void* address) {
    MEMORY_BASIC_INFORMATION info;
    return VirtualQuery(address, &info, sizeof info) != 0 && info.AllocationBase == moduleHandle;
  };
  auto classOf = [](const void* object) { return *static_cast<void* const*>(object); };
  for (auto it = commands_.begin(); it != commands_.end();) {
    if (inModule(reinterpret_cast<const void*>(it->function))) {
      Journal("leftover", path + " command " + it->group + " " + it->globalName);
      it = commands_.erase(it);
    } else {
      ++it;
    }
  }
  auto sweep = [&](auto& list, const char* kind) {
    for (auto it = list.begin(); it != list.end();) {
      if (inModule(classOf(*it))) {
        Journal("leftover", path + " " + kind + " reactor");
        it = list.erase(it);
      } else {
        ++it;
      }
    }
  };
  sweep(linkerReactors_, "dynamic-linker");
  sweep(editorReactors_, "editor");
  sweep(profileReactors_, "profile-manager");
  sweep(inputReactors_, "input-context");
  for (auto it = extendedTabs_.begin(); it != extendedTabs_.end();) {
    std::string file = path.substr(path.find_last_of("\\/") + 1);
    it = SameText(it->first, file) ? extendedTabs_.erase(it) : std::next(it);
  }
}

template <typename T>
static void AddUnique(std::vector<T*>& list, T* item) {
  if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}
template <typename T>
static bool RemoveItem(std::vector<T*>& list, T* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

void SimHost::addReactor(host::DLinkerReactor* reactor) { AddUnique(linkerReactors_, reactor); }
void SimHost::removeReactor(host::DLinkerReactor* reactor) { RemoveItem(linkerReactors_, reactor); }
void SimHost::addReactor(host::EditorReactor* reactor) { AddUnique(editorReactors_, reactor); }
void SimHost::removeReactor(host::EditorReactor* reactor) { RemoveItem(editorReactors_, reactor); }
void SimHost::addReactor(host::ProfileManagerReactor* reactor) { AddUnique(profileReactors_, reactor); }
void SimHost::removeReactor(host::ProfileManagerReactor* reactor) {
  RemoveItem(profileReactors_, reactor);
}
bool SimHost::addInputContextReactor(host::InputContextReactor* reactor) {
  AddUnique(inputReactors_, reactor);
  return true;
}
bool SimHost::removeInputContextReactor(host::InputContextReactor* reactor) {
  return RemoveItem(inputReactors_, reactor);
}

// ---------------------------------------------------------------- command stack

bool SimHost::addCommand(const char* group, const char* globalName, const char* localName,
                         int /*flags*/, host::CommandFunction function) {
  for (const Command& c : commands_)
    if (SameText(c.globalName, globalName)) return false;
  commands_.push_back(Command{group, globalName, localName, function});
  Journal("command-added", std::string(group) + " " + globalName + " " + localName);
  return true;
}

bool SimHost::removeGroup(const char* group) {
  std::size_t before = commands_.size();
  commands_.erase(std::remove_if(commands_.begin(), commands_.end(),
                                 [&](const Command& c) { return SameText(c.group, group); }),
                  commands_.end());
  if (commands_.size() == before) return false;
  Journal("group-removed", group);
  return true;
}

// -------------------------------------------------------------- profile manager

bool SimHost::ProfileSetCurrent(const char* name) {
  std::string profile = name ? name : "";
  platform::RegistryKey profiles;
  platform::RegistryKey target;
  if (profile.empty() ||
      profiles.Open(platform::kHkeyCurrentUser, options_.productKey + "\\Profiles",
                    platform::kKeyAllAccess) != platform::kErrSuccess ||
      target.Open(profiles.handle(), profile, platform::kKeyRead) != platform::kErrSuccess) {
    Journal("profile", currentProfile_ + " -> " + profile + " failed: no such profile");
    return false;
  }
  for (auto* reactor : std::vector<host::ProfileManagerReactor*>(profileReactors_))
    if (std::find(profileReactors_.begin(), profileReactors_.end(), reactor) != profileReactors_.end())
      reactor->currentProfileWillChange(profile.c_str());
  profiles.WriteString("", profile);
  Journal("profile", currentProfile_ + " -> " + profile);
  currentProfile_ = profile;
  for (auto* reactor : std::vector<host::ProfileManagerReactor*>(profileReactors_))
    if (std::find(profileReactors_.begin(), profileReactors_.end(), reactor) != profileReactors_.end())
      reactor->currentProfileChanged(profile.c_str());
  return true;
}

// ------------------------------------------------------------- document manager

bool SimHost::sendStringToExecute(host::Document* document, const char* text, bool activate,
                                  bool wrapUpInactiveDoc, bool echoString) {
  if (document != this || !text) return false;
  Journal("queued", std::string(text) + (echoString ? " (echoed)" : " (unechoed)") +
                        (activate ? "" : " (not activated)") +
                        (wrapUpInactiveDoc ? " (wrap up)" : ""));
  for (const char* p = text; *p; ++p) pending_.push_back(*p);
  return true;
}

void SimHost::ReceiveTypedText(const std::string& text) {
  Journal("copydata", text);
  for (char c : text) pending_.push_back(c);
}

// ---------------------------------------------------------------- command line

void SimHost::print(const char* text) {
  std::string t = text ? text : "";
  Journal("print", t);
  std::cout << t << std::flush;
}

void SimHost::ScriptError(const std::string& what) {
  Journal("script-error", what);
  std::cerr << "hostsim: " << what << std::endl;
  CloseJournal();
  ExitProcess(kExitScriptError);
}

void SimHost::PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool SimHost::WaitForInput(unsigned milliseconds) {
  DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (!pending_.empty()) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

// Moves the next script (or standard input) line into the pending input.
// Lines beginning with '#' are directives; the one met is handed back in
// `directive` for the caller to judge. False at the end of the input.
bool SimHost::RefillFromScript(std::string* directive) {
  directive->clear();
  for (;;) {
    std::string line;
    if (scripted_) {
      if (script_.empty()) return false;
      line = script_.front();
      script_.pop_front();
    } else {
      if (!std::getline(std::cin, line)) return false;
      if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    std::string trimmed = Trim(line);
    if (trimmed.rfind(";", 0) == 0) continue;  // a comment
    if (trimmed.rfind("#wait", 0) == 0) {
      unsigned ms = static_cast<unsigned>(std::strtoul(trimmed.c_str() + 5, nullptr, 10));
      Journal("wait", std::to_string(ms) + (WaitForInput(ms) ? " -> input" : " -> nothing"));
      if (!pending_.empty()) return true;
      continue;
    }
    if (trimmed.rfind("#", 0) == 0) {
      *directive = trimmed;
      return true;
    }
    for (char c : line) pending_.push_back(c);
    pending_.push_back('\n');
    return true;
  }
}

// The next token of input: up to a line break, or also up to a space unless
// `allowSpaces`. A directive met instead is returned in `directive`.
bool SimHost::NextToken(bool allowSpaces, std::string* token, std::string* directive) {
  token->clear();
  directive->clear();
  PumpMessages();
  if (pending_.empty()) {
    if (!RefillFromScript(directive)) return false;
    if (!directive->empty()) return true;
  }
  // A command name skips leading blanks; a prompt answer takes the text as it is.
  if (!allowSpaces)
    while (!pending_.empty() && (pending_.front() == ' ' || pending_.front() == '\n'))
      pending_.pop_front();
  while (!pending_.empty()) {
    char c = pending_.front();
    pending_.pop_front();
    if (c == '\n' || (c == ' ' && !allowSpaces)) return true;
    *token += c;
  }
  return true;
}

int SimHost::getString(bool allowSpaces, const char* prompt, char* result, std::size_t resultSize) {
  std::string p = prompt ? prompt : "";
  if (!scripted_) std::cout << p << std::flush;
  std::string answer, directive;
  if (!NextToken(allowSpaces, &answer, &directive)) {
    if (scripted_) ScriptError("prompt \"" + p + "\" has no answer in the script");
    Journal("prompt", p + " -> end of input");
    outcome_ = Outcome::kCancelled;
    return host::kRtCancel;
  }
  if (directive == "#cancel") {
    Journal("prompt", p + " -> cancelled");
    outcome_ = Outcome::kCancelled;
    return host::kRtCancel;
  }
  if (directive == "#fail") {
    Journal("prompt", p + " -> failed");
    outcome_ = Outcome::kFailed;
    return host::kRtError;
  }
  if (!directive.empty()) ScriptError("prompt \"" + p + "\" met the directive " + directive);
  Journal("prompt", p + " -> " + answer);
  if (result && resultSize > 0) {
    std::size_t n = std::min(answer.size(), resultSize - 1);
    std::memcpy(result, answer.data(), n);
    result[n] = '\0';
  }
  return host::kRtNorm;
}

int SimHost::messageBox(const char* text, const char* caption, unsigned flags) {
  std::string t = text ? text : "";
  if (!scripted_) {
    int answer = MessageBoxA(static_cast<HWND>(mainWindow_), t.c_str(), caption, flags);
    Journal("question", t + " -> " + std::to_string(answer));
    return answer;
  }
  std::string directive;
  if (!script_.empty()) {
    directive = Trim(script_.front());
    if (directive.rfind("#answer", 0) == 0) script_.pop_front();
  }
  if (directive.rfind("#answer", 0) != 0)
    ScriptError("question \"" + t + "\" has no #answer next in the script");
  std::string word = Upper(Trim(directive.substr(7)));
  int answer = word == "YES" ? IDYES : word == "NO" ? IDNO : word == "OK" ? IDOK
             : word == "CANCEL" ? IDCANCEL : 0;
  if (answer == 0) ScriptError("unknown answer " + directive);
  Journal("question", t + " -> " + word);
  return answer;
}

int SimHost::getVar(const char* name, host::Value* value) {
  auto it = vars_.find(Upper(name ? name : ""));
  if (it == vars_.end()) return host::kRtError;
  *value = it->second;
  if (value->type == host::kRtStr) {
    if (it->first == "WSCURRENT") value->text = varText_.c_str();
  }
  return host::kRtNorm;
}

int SimHost::setVar(const char* name, const host::Value& value) {
  std::string key = Upper(name ? name : "");
  auto it = vars_.find(key);
  if (it == vars_.end() || it->second.type != value.type) {
    Journal("setvar", key + " -> error");
    return host::kRtError;
  }
  if (key == "WSCURRENT") {
    std::string ws = value.text ? value.text : "";
    auto found = std::find_if(workspaces_.begin(), workspaces_.end(),
                              [&](const std::string& w) { return SameText(w, ws); });
    if (found == workspaces_.end()) {
      Journal("setvar", key + "=" + ws + " -> no such workspace");
      return host::kRtError;
    }
    varText_ = *found;
    Journal("setvar", key + "=" + *found);
    return host::kRtNorm;
  }
  it->second.number = value.number;
  Journal("setvar", key + "=" + std::to_string(value.number));
  return host::kRtNorm;
}

int SimHost::command(const host::Value* tokens) {
  std::vector<std::string> words;
  for (const host::Value* t = tokens; t && t->type != host::kRtNone; ++t)
    words.push_back(t->type == host::kRtStr && t->text ? t->text : std::to_string(t->number));
  std::string line;
  for (const std::string& w : words) line += (line.empty() ? "" : " ") + w;
  Journal("acedcommand", line);
  // Saving a workspace under a name makes it exist and current.
  if (!words.empty() && SameText(words[0], "_.-WSSAVE") && words.size() >= 2 &&
      vars_.count("WSCURRENT")) {
    auto found = std::find_if(workspaces_.begin(), workspaces_.end(),
                              [&](const std::string& w) { return SameText(w, words[1]); });
    if (found == workspaces_.end()) workspaces_.push_back(words[1]);
    varText_ = words[1];
  }
  return host::kRtNorm;
}

int SimHost::registerExtendedTab(const char* moduleFileName, const char* dialogName) {
  std::string file = moduleFileName ? moduleFileName : "";
  std::string dialog = dialogName ? dialogName : "";
  extendedTabs_[Upper(file)] = dialog;
  Journal("extended-tab", file + " " + dialog);
  return host::kRtNorm;
}

bool SimHost::addTab(const char* title, void* /*page*/) {
  Journal("tab-added", title ? title : "");
  return true;
}

// Idle: every input-context reactor hears that the editor is quiescent.
void SimHost::FireIdle() {
  for (auto* reactor : std::vector<host::InputContextReactor*>(inputReactors_))
    if (std::find(inputReactors_.begin(), inputReactors_.end(), reactor) != inputReactors_.end())
      reactor->beginQuiescentState();
}

void SimHost::RunCommandLine() {
  while (!quit_) {
    std::string token, directive;
    if (!NextToken(false, &token, &directive)) {
      Journal("input-ended", "");
      break;
    }
    if (!directive.empty()) {
      if (directive == "#cancel" || directive == "#fail") continue;  // nothing to cancel
      ScriptError("directive " + directive + " where a command was expected");
    }
    if (token.empty()) continue;
    RunOne(token);
    PumpMessages();
    if (pending_.empty()) FireIdle();
  }
}

// Runs one command by name and tells the editor reactors how it went.
bool SimHost::RunOne(const std::string& typed) {
  std::string name = typed;
  while (!name.empty() && (name[0] == '_' || name[0] == '.')) name.erase(0, 1);
  host::CommandFunction function = nullptr;
  std::string global;
  for (const Command& c : commands_)
    if (SameText(c.globalName, name) || SameText(c.localName, name)) {
      function = c.function;
      global = c.globalName;
      break;
    }
  if (!function && LoadOnCommand(name)) {
    for (const Command& c : commands_)
      if (SameText(c.globalName, name) || SameText(c.localName, name)) {
        function = c.function;
        global = c.globalName;
        break;
      }
  }
  bool builtin = false;
  if (!function) {
    static const char* const kBuiltins[] = {"QUIT", "EXIT", "PROFILE", "ARX_UNLOAD", "ARX_LOAD",
                                            "OPTIONS", "ECHO"};
    for (const char* b : kBuiltins)
      if (SameText(name, b)) builtin = true;
    if (!builtin) {
      Journal("unknown", typed);
      print(("\nUnknown command \"" + Upper(name) + "\".\n").c_str());
      return false;
    }
    global = Upper(name);
  }
  Journal("command", global);
  for (auto* reactor : std::vector<host::EditorReactor*>(editorReactors_))
    if (std::find(editorReactors_.begin(), editorReactors_.end(), reactor) != editorReactors_.end())
      reactor->commandWillStart(global.c_str());
  outcome_ = Outcome::kEnded;
  if (function) {
    function();
  } else {
    bool known = false;
    RunBuiltin(global, &known);
  }
  const char* event = outcome_ == Outcome::kEnded       ? "ended"
                      : outcome_ == Outcome::kCancelled ? "cancelled"
                                                        : "failed";
  Journal(event, global);
  for (auto* reactor : std::vector<host::EditorReactor*>(editorReactors_)) {
    if (std::find(editorReactors_.begin(), editorReactors_.end(), reactor) == editorReactors_.end())
      continue;
    if (outcome_ == Outcome::kEnded)
      reactor->commandEnded(global.c_str());
    else if (outcome_ == Outcome::kCancelled)
      reactor->commandCancelled(global.c_str());
    else
      reactor->commandFailed(global.c_str());
  }
  return true;
}

// A module entered to load on a command (LOADCTRLS bit 4) whose Commands key
// names `name` is loaded, so that the command can run. True when one was.
bool SimHost::LoadOnCommand(const std::string& name) {
  platform::RegistryKey apps;
  if (apps.Open(platform::kHkeyLocalMachine, options_.productKey + "\\Applications",
                platform::kKeyRead) != platform::kErrSuccess)
    return false;
  std::string entry;
  for (std::uint32_t i = 0; apps.EnumKeyName(i, &entry, 1024) == platform::kErrSuccess; ++i) {
    platform::RegistryKey app, commands;
    if (app.Open(apps.handle(), entry, platform::kKeyRead) != platform::kErrSuccess ||
        !(app.ReadDword("LOADCTRLS").value_or(0) & 4) ||
        commands.Open(app.handle(), "Commands", platform::kKeyRead) != platform::kErrSuccess)
      continue;
    bool named = false;
    char valueName[1024];
    char data[1024];
    for (std::uint32_t j = 0;; ++j) {
      std::uint32_t nameChars = sizeof valueName;
      std::uint32_t dataBytes = sizeof data - 1;
      std::uint32_t type = 0;
      if (platform::RegEnumValueAt(commands.handle(), j, valueName, &nameChars, &type,
                                 reinterpret_cast<std::uint8_t*>(data), &dataBytes) !=
          platform::kErrSuccess)
        break;
      data[dataBytes < sizeof data ? dataBytes : sizeof data - 1] = '\0';
      if (SameText(valueName, name) || (type == platform::kRegSz && SameText(data, name)))
        named = true;
    }
    std::optional<std::string> loader = app.ReadString("LOADER", 2048);
    if (!named || !loader || loader->empty()) continue;
    Journal("demand-load", name + " -> " + *loader);
    return loadModule(loader->c_str(), false, true);
  }
  return false;
}

// The host's own commands that the tests and the demo need.
bool SimHost::RunBuiltin(const std::string& name, bool* known) {
  *known = true;
  char answer[1024];
  if (name == "QUIT" || name == "EXIT") {
    quit_ = true;
    return true;
  }
  if (name == "PROFILE") {
    if (getString(true, "Profile to make current: ", answer, sizeof answer) == host::kRtNorm)
      ProfileSetCurrent(answer);
    return true;
  }
  if (name == "ARX_LOAD") {
    if (getString(false, "Module to load: ", answer, sizeof answer) == host::kRtNorm)
      loadModule(answer, true, true);
    return true;
  }
  if (name == "ARX_UNLOAD") {
    if (getString(false, "Module to unload: ", answer, sizeof answer) == host::kRtNorm) {
      // Named by its file name or its full path, as the host's own command takes it.
      for (Module* m : modules_) {
        std::string file = m->path.substr(m->path.find_last_of("\\/") + 1);
        if (SameText(file, answer) || SameText(m->path, answer)) {
          std::string path = m->path;
          unloadModule(path.c_str(), true);
          break;
        }
      }
    }
    return true;
  }
  if (name == "OPTIONS") {
    // The Options dialog starting: modules registered for its extended tabs
    // hear of it with the dialog as their packet.
    for (Module* m : std::vector<Module*>(modules_)) {
      std::string file = Upper(m->path.substr(m->path.find_last_of("\\/") + 1));
      auto it = extendedTabs_.find(file);
      if (it == extendedTabs_.end() || it->second != "OptionsDialog") continue;
      int result = m->entry(host::kInitDialogMsg, static_cast<host::TabbedDialog*>(this));
      Journal("init-dialog", m->path + " -> " + ResultText(result));
    }
    return true;
  }
  if (name == "ECHO") {
    if (getString(true, "", answer, sizeof answer) == host::kRtNorm) print(answer);
    return true;
  }
  *known = false;
  return false;
}

}  // namespace hostsim
