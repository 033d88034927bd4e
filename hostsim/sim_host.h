// The stand-in CAD host: one object that is the whole host interface, with
// its dynamic linker, command stack, editor, profile manager and document
// manager, its command loop and its input (script, standard input, strings
// queued by modules, WM_COPYDATA text arriving at the main window).
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "host/host.h"

namespace hostsim {

struct Options {
  std::string productKey;   // with the leading Software\Autodesk\ .
  std::string scriptPath;   // empty: standard input, answers asked for real
  std::string startProfile; // made current before anything loads
  bool workspaces = true;   // whether WSCURRENT exists
};

// Exit codes of the program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitScriptError = 4;
inline constexpr int kExitTimeout = 5;

class SimHost final : public host::Host,
                      public host::DynamicLinker,
                      public host::CommandStack,
                      public host::Editor,
                      public host::ProfileManager,
                      public host::DocumentManager,
                      public host::Document,
                      public host::InputPointManager,
                      public host::TabbedDialog {
 public:
  explicit SimHost(const Options& options);

  // Loads the demand-load entries, runs the command loop to its end, unloads
  // every module. The program's exit code.
  int Run();

  // The text of a WM_COPYDATA with dwData 1 (already in the ANSI code page).
  void ReceiveTypedText(const std::string& text);
  bool IsLt() const;
  void SetMainWindow(void* window) { mainWindow_ = window; }

  // host::Host
  host::DynamicLinker* dynamicLinker() override { return this; }
  host::CommandStack* commandStack() override { return this; }
  host::Editor* editor() override { return this; }
  host::ProfileManager* profileManager() override { return this; }
  host::DocumentManager* documentManager() override { return this; }
  int getString(bool allowSpaces, const char* prompt, char* result,
                std::size_t resultSize) override;
  void print(const char* text) override;
  int messageBox(const char* text, const char* caption, unsigned flags) override;
  int getVar(const char* name, host::Value* value) override;
  int setVar(const char* name, const host::Value& value) override;
  int command(const host::Value* tokens) override;
  int registerExtendedTab(const char* moduleFileName, const char* dialogName) override;
  void* mainWindow() override { return mainWindow_; }
  const char* activeProfileName() override { return currentProfile_.c_str(); }

  // host::DynamicLinker
  bool unlockApplication(void* appId) override;
  bool registerAppMDIAware(void* appId) override;
  const char* ProductKey() override { return options_.productKey.c_str(); }
  bool loadModule(const char* path, bool printIt, bool asCommand) override;
  bool unloadModule(const char* path, bool asCommand) override;
  void addReactor(host::DLinkerReactor* reactor) override;
  void removeReactor(host::DLinkerReactor* reactor) override;

  // host::CommandStack
  bool addCommand(const char* group, const char* globalName, const char* localName, int flags,
                  host::CommandFunction function) override;
  bool removeGroup(const char* group) override;

  // host::Editor
  void addReactor(host::EditorReactor* reactor) override;
  void removeReactor(host::EditorReactor* reactor) override;

  // host::ProfileManager
  void addReactor(host::ProfileManagerReactor* reactor) override;
  void removeReactor(host::ProfileManagerReactor* reactor) override;
  bool ProfileSetCurrent(const char* name) override;

  // host::DocumentManager, host::Document, host::InputPointManager
  host::Document* curDocument() override { return this; }
  bool sendStringToExecute(host::Document* document, const char* text, bool activate,
                           bool wrapUpInactiveDoc, bool echoString) override;
  host::InputPointManager* inputPointManager() override { return this; }
  bool addInputContextReactor(host::InputContextReactor* reactor) override;
  bool removeInputContextReactor(host::InputContextReactor* reactor) override;

  // host::TabbedDialog
  bool addTab(const char* title, void* page) override;

 private:
  struct Module {
    std::string path;
    void* handle = nullptr;
    host::EntryPoint entry = nullptr;
    bool unlocked = false;
    bool mdiAware = false;
    bool initialised = false;
  };
  struct Command {
    std::string group, globalName, localName;
    host::CommandFunction function;
  };
  enum class Outcome { kEnded, kCancelled, kFailed };

  void LoadDemandLoadEntries();
  void UnloadEverything();
  Module* FindModule(const std::string& path);
  void FreeOne(Module* module);
  void ForgetLeftovers(void* moduleHandle, const std::string& path);

  bool NextToken(bool allowSpaces, std::string* token, std::string* directive);
  bool RefillFromScript(std::string* directive);
  void PumpMessages();
  bool WaitForInput(unsigned milliseconds);
  void RunCommandLine();
  bool RunOne(const std::string& name);
  bool RunBuiltin(const std::string& name, bool* known);
  bool LoadOnCommand(const std::string& name);
  void FireIdle();
  [[noreturn]] void ScriptError(const std::string& what);

  Options options_;
  void* mainWindow_ = nullptr;
  std::string currentProfile_;
  std::vector<Module*> modules_;  // load order; owned
  std::vector<Command> commands_;
  std::vector<host::DLinkerReactor*> linkerReactors_;
  std::vector<host::EditorReactor*> editorReactors_;
  std::vector<host::ProfileManagerReactor*> profileReactors_;
  std::vector<host::InputContextReactor*> inputReactors_;
  std::map<std::string, std::string> extendedTabs_;  // upper-cased module file name -> dialog
  std::map<std::string, host::Value> vars_;
  std::vector<std::string> workspaces_;
  std::string varText_;
  std::deque<char> pending_;          // queued strings and typed text
  std::deque<std::string> script_;    // remaining script lines
  bool scripted_ = false;
  bool quit_ = false;
  Outcome outcome_ = Outcome::kEnded;
  std::string lastLoaded_;  // for journal lines of nested loads
};

SimHost* TheHost();

}  // namespace hostsim
