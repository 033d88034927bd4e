// A host for unit tests of the starter and the in-host module: it records
// what the modules ask of it, answers prompts and questions from queues, and
// keeps the reactors so that tests can play the host's notifications.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "host/host.h"

namespace fakes {

class FakeHost final : public host::Host,
                       public host::DynamicLinker,
                       public host::CommandStack,
                       public host::Editor,
                       public host::ProfileManager,
                       public host::DocumentManager,
                       public host::Document,
                       public host::InputPointManager {
 public:
  explicit FakeHost(std::string productKey) : productKey_(std::move(productKey)) {}

  // What happened, one entry per call: "load <path>", "unload <path>",
  // "question <text>", "print <text>", "send <text> echo=<0|1>",
  // "profile <name>", "tab <file> <dialog>", "unlock", "mdi".
  std::vector<std::string> calls;
  // Working directory at each loadModule, by path.
  std::map<std::string, std::string> loadDirectories;
  std::map<std::string, bool> loadResults;    // default true
  std::map<std::string, bool> unloadResults;  // default true
  std::deque<int> questionAnswers;            // kIdYes / kIdNo; empty: the test fails
  std::deque<std::string> promptAnswers;      // "#cancel" answers kRtCancel
  std::string activeProfile;
  bool hasLinker = true;

  struct CommandEntry {
    std::string group, globalName, localName;
    host::CommandFunction function;
  };
  std::vector<CommandEntry> commands;
  std::vector<host::DLinkerReactor*> linkerReactors;
  std::vector<host::EditorReactor*> editorReactors;
  std::vector<host::ProfileManagerReactor*> profileReactors;
  std::vector<host::InputContextReactor*> inputReactors;

  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
  bool RunCommand(const std::string& name);  // by global or local name, ignoring case
  void FireQuiescent();

  // host::Host
  host::DynamicLinker* dynamicLinker() override { return hasLinker ? this : nullptr; }
  host::CommandStack* commandStack() override { return this; }
  host::Editor* editor() override { return this; }
  host::ProfileManager* profileManager() override { return this; }
  host::DocumentManager* documentManager() override { return this; }
  int getString(bool allowSpaces, const char* prompt, char* result, std::size_t size) override;
  void print(const char* text) override;
  int messageBox(const char* text, const char* caption, unsigned flags) override;
  int getVar(const char*, host::Value*) override { return host::kRtError; }
  int setVar(const char*, const host::Value&) override { return host::kRtError; }
  int command(const host::Value*) override { return host::kRtNorm; }
  int registerExtendedTab(const char* file, const char* dialog) override;
  void* mainWindow() override { return nullptr; }
  const char* activeProfileName() override { return activeProfile.c_str(); }

  // host::DynamicLinker
  bool unlockApplication(void*) override;
  bool registerAppMDIAware(void*) override;
  const char* ProductKey() override { return productKey_.c_str(); }
  bool loadModule(const char* path, bool printIt, bool asCommand) override;
  bool unloadModule(const char* path, bool asCommand) override;
  void addReactor(host::DLinkerReactor* r) override { linkerReactors.push_back(r); }
  void removeReactor(host::DLinkerReactor* r) override;

  // host::CommandStack
  bool addCommand(const char* group, const char* globalName, const char* localName, int flags,
                  host::CommandFunction function) override;
  bool removeGroup(const char* group) override;

  // host::Editor
  void addReactor(host::EditorReactor* r) override { editorReactors.push_back(r); }
  void removeReactor(host::EditorReactor* r) override;

  // host::ProfileManager
  void addReactor(host::ProfileManagerReactor* r) override { profileReactors.push_back(r); }
  void removeReactor(host::ProfileManagerReactor* r) override;
  bool ProfileSetCurrent(const char* name) override;

  // host::DocumentManager / Document / InputPointManager
  host::Document* curDocument() override { return this; }
  bool sendStringToExecute(host::Document*, const char* text, bool activate, bool wrapUp,
                           bool echo) override;
  host::InputPointManager* inputPointManager() override { return this; }
  bool addInputContextReactor(host::InputContextReactor* r) override;
  bool removeInputContextReactor(host::InputContextReactor* r) override;

 private:
  std::string productKey_;
};

}  // namespace fakes
