// What a module running inside the CAD host may ask of it: the entry-point
// messages, the dynamic linker, the command stack, the editor, the profile
// manager, the document manager, the command line and a few odds and ends.
//
// The interface is ours, written from what the starter and the in-host module
// need. Everything that crosses it is a plain type or a zero-terminated text
// in the ANSI code page owned by the caller; a text the host hands back stays
// valid until the next call into the host. A module obtains the interface with
// host::Get() (host/host_access.h); the host program hands it out through one
// exported C function, kHostInterfaceExport.
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

// Messages a module's entry point receives, and its answers.
inline constexpr int kInitAppMsg = 1;
inline constexpr int kUnloadAppMsg = 2;
inline constexpr int kInitDialogMsg = 14;
inline constexpr int kRetOK = 0;
inline constexpr int kRetError = 3;

// The name of every module's entry point: int acrxEntryPoint(int msg, void* packet).
inline constexpr const char kEntryPointName[] = "acrxEntryPoint";
using EntryPoint = int (*)(int message, void* packet);

// The export of the host program that hands out the interface.
inline constexpr const char kHostInterfaceExport[] = "ArvenloHostInterface";

// Results of the command-line functions, and the types of their values.
inline constexpr int kRtNorm = 5100;
inline constexpr int kRtNone = 5000;
inline constexpr int kRtError = -5001;
inline constexpr int kRtCancel = -5002;
inline constexpr int kRtShort = 5003;
inline constexpr int kRtStr = 5005;

// Message-box flags and answers (the Windows values).
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// The list of names a module hands to a companion module's entry point with
// the codes below.
struct NameList {
  std::uint32_t count;
  const char* const* names;
};
inline constexpr int kCompanionLoaded = 6502;    // these names are loaded or being loaded
inline constexpr int kCompanionUnloading = 6501; // these names are about to be unloaded

class DLinkerReactor {
 public:
  virtual ~DLinkerReactor() = default;
  virtual void moduleLoaded(const char* /*path*/) {}
  virtual void moduleUnloaded(const char* /*path*/) {}
};

class DynamicLinker {
 public:
  // `appId` is the packet of the module's kInitAppMsg.
  virtual bool unlockApplication(void* appId) = 0;
  virtual bool registerAppMDIAware(void* appId) = 0;
  // The product key path below the registry root, e.g.
  // Software\Autodesk\AutoCAD\R17.0\ACAD-5001:409.
  virtual const char* ProductKey() = 0;
  virtual bool loadModule(const char* path, bool printIt, bool asCommand) = 0;
  virtual bool unloadModule(const char* path, bool asCommand) = 0;
  virtual void addReactor(DLinkerReactor* reactor) = 0;
  virtual void removeReactor(DLinkerReactor* reactor) = 0;

 protected:
  ~DynamicLinker() = default;
};

using CommandFunction = void (*)();
inline constexpr int kCmdModal = 0;

class CommandStack {
 public:
  // Returns true when the command was added. Commands are found by their
  // global or local name, without regard to case.
  virtual bool addCommand(const char* group, const char* globalName, const char* localName,
                          int flags, CommandFunction function) = 0;
  // Removes every command of the group; false when there was none.
  virtual bool removeGroup(const char* group) = 0;

 protected:
  ~CommandStack() = default;
};

class EditorReactor {
 public:
  virtual ~EditorReactor() = default;
  virtual void commandWillStart(const char* /*name*/) {}
  virtual void commandEnded(const char* /*name*/) {}
  virtual void commandCancelled(const char* /*name*/) {}
  virtual void commandFailed(const char* /*name*/) {}
};

class Editor {
 public:
  virtual void addReactor(EditorReactor* reactor) = 0;
  virtual void removeReactor(EditorReactor* reactor) = 0;

 protected:
  ~Editor() = default;
};

class ProfileManagerReactor {
 public:
  virtual ~ProfileManagerReactor() = default;
  virtual void currentProfileWillChange(const char* /*newProfile*/) {}
  virtual void currentProfileChanged(const char* /*newProfile*/) {}
};

class ProfileManager {
 public:
  virtual void addReactor(ProfileManagerReactor* reactor) = 0;
  virtual void removeReactor(ProfileManagerReactor* reactor) = 0;
  // Makes `name` the current profile; the reactors hear of it before and after.
  virtual bool ProfileSetCurrent(const char* name) = 0;

 protected:
  ~ProfileManager() = default;
};

class InputContextReactor {
 public:
  virtual ~InputContextReactor() = default;
  // The editor has become idle.
  virtual void beginQuiescentState() {}
  virtual void endQuiescentState() {}
};

class InputPointManager {
 public:
  virtual bool addInputContextReactor(InputContextReactor* reactor) = 0;
  virtual bool removeInputContextReactor(InputContextReactor* reactor) = 0;

 protected:
  ~InputPointManager() = default;
};

class Document {
 public:
  virtual InputPointManager* inputPointManager() = 0;

 protected:
  ~Document() = default;
};

class DocumentManager {
 public:
  virtual Document* curDocument() = 0;
  // Queues `text` as command-line input of `document`.
  virtual bool sendStringToExecute(Document* document, const char* text, bool activate,
                                   bool wrapUpInactiveDoc, bool echoString) = 0;

 protected:
  ~DocumentManager() = default;
};

// A value of a system variable or a command token.
struct Value {
  int type = kRtNone;  // kRtShort, kRtStr or kRtNone (end of a token list)
  int number = 0;
  const char* text = nullptr;
};

// The packet of kInitDialogMsg for a module that registered an extended tab.
class TabbedDialog {
 public:
  virtual bool addTab(const char* title, void* page) = 0;

 protected:
  ~TabbedDialog() = default;
};

class Host {
 public:
  // The dynamic linker of the system registry, or null when the host has none.
  virtual DynamicLinker* dynamicLinker() = 0;
  virtual CommandStack* commandStack() = 0;
  virtual Editor* editor() = 0;
  virtual ProfileManager* profileManager() = 0;
  virtual DocumentManager* documentManager() = 0;

  // Prompts on the command line. kRtNorm with the answer in `result` (cut to
  // `resultSize` - 1 characters), kRtCancel or kRtError otherwise.
  virtual int getString(bool allowSpaces, const char* prompt, char* result,
                        std::size_t resultSize) = 0;
  // Prints on the command line, as it stands (no formatting).
  virtual void print(const char* text) = 0;
  // A message box owned by the main window; the answer (kIdYes, kIdNo, ...).
  virtual int messageBox(const char* text, const char* caption, unsigned flags) = 0;

  virtual int getVar(const char* name, Value* value) = 0;
  virtual int setVar(const char* name, const Value& value) = 0;
  // Runs a command from tokens ending with one of type kRtNone.
  virtual int command(const Value* tokens) = 0;

  virtual int registerExtendedTab(const char* moduleFileName, const char* dialogName) = 0;
  // The main window handle (an HWND on Windows).
  virtual void* mainWindow() = 0;
  // The active profile's name as the host's application object reports it;
  // empty when it does not know.
  virtual const char* activeProfileName() = 0;

 protected:
  ~Host() = default;
};

using HostInterfaceFunction = Host* (*)();

}  // namespace host
