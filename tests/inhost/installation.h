// A fake installation of the CAD host for the end-to-end tests: a folder with
// the stand-in host as acad.exe (or acadlt.exe), the starter, the in-host
// module and sample applications beside it, its product key and profiles in
// the registry, and runs of the host with a script and a journal.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct HostRun {
  int exitCode = -1;
  std::vector<std::string> journal;  // one event per line

  // Lines beginning with `prefix`, in order.
  std::vector<std::string> Lines(const std::string& prefix) const;
  // Index of the first line equal to `line` at or after `from`; -1 when none.
  int Find(const std::string& line, int from = 0) const;
  bool Has(const std::string& line) const { return Find(line) >= 0; }
  std::string Text() const;  // the whole journal, for failure messages
};

class Installation {
 public:
  // `name` makes the product key and the folder unique to one test.
  explicit Installation(const std::string& name, bool lt = false);
  ~Installation();

  const std::string& productKey() const { return productKey_; }  // with Software\Autodesk\ .
  const std::string& folder() const { return folder_; }            // ends with a backslash
  std::string AppPath(const std::string& file) const { return folder_ + "apps\\" + file; }

  // The starter entered to load at every start, the set-up values.
  void EnterStarter();
  void SetSetupValue(const char* name, const std::string& value);
  // The in-host module entered to load at every start (without the starter).
  void EnterInHostModuleDirectly();
  // The in-host module entered to load when one of its commands is typed.
  void EnterInHostModuleOnCommand();

  // A sample application (a copy of the sample module as apps\<name>.arx)
  // registered with the given loaders' files, command groups and so on.
  struct App {
    App(std::string n, std::vector<std::string> files = {}, std::string groups = "",
        std::string mods = "", int unload = -1, long position = -1)
        : name(std::move(n)), loaderFiles(std::move(files)), commandGroups(std::move(groups)),
          modules(std::move(mods)), unloadable(unload), stdLoadOrder(position) {}
    std::string name;
    std::vector<std::string> loaderFiles;  // default: <name>.arx
    std::string commandGroups, modules;
    int unloadable = -1;       // -1: no value
    long stdLoadOrder = -1;    // -1: no value
  };
  void RegisterApp(const App& app);
  void AddCompanion(const std::string& file);  // a copy of the sample companion in apps\ .

  void AddProfile(const std::string& profile);
  void SetCurrentProfile(const std::string& profile);
  void Link(const std::string& profile, const std::string& app, std::uint32_t loadOrder);

  // The profile's Arvenlo key values.
  void SetNoteDword(const std::string& profile, const char* name, std::uint32_t value);
  void SetNoteString(const std::string& profile, const char* name, const std::string& value);
  bool HasNote(const std::string& profile, const char* name) const;
  long NoteDword(const std::string& profile, const char* name) const;  // -1 when absent
  std::string CurrentProfile() const;

  // Runs the host with the script's lines; waits for it to end.
  HostRun Start(const std::vector<std::string>& script, int timeoutSeconds = 60);

  // The same in two steps, for a test that talks to the running host:
  // Launch starts it, SendTypedText sends text to its main window as
  // WM_COPYDATA (UTF-16 for AutoCAD, ANSI for AutoCAD LT), Finish waits.
  bool Launch(const std::vector<std::string>& script, int timeoutSeconds = 60);
  bool SendTypedText(const std::string& text);
  HostRun Finish();

 private:
  void Cleanup();
  std::string productKey_;
  std::string folder_;
  bool lt_;
  int runs_ = 0;
  void* process_ = nullptr;
  unsigned long processId_ = 0;
  std::string journalPath_;
};

}  // namespace e2e
