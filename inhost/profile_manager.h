// QyProfileManager: the module's one reactor object. The host tells it about
// profile changes, finished commands and the editor's first idle moment; it
// holds the application lists and runs the load and unload passes.
#pragma once

#include <string>
#include <vector>

#include "host/host.h"
#include "inhost/host_app.h"

namespace inhost {

inline constexpr int kActionLoadApps = 1;
inline constexpr int kActionLoadMenus = 2;

inline constexpr const char kLoadOrderQuestion[] =
    "Application \"%s\" should be loaded before\r\napplication \"%s\" that is already "
    "loaded.\r\nDo you really want to load application \"%s\"?";

// The active profile's name: the host's own answer, else the default value
// of the Profiles key, else empty.
std::string GetCurrentProfileName(host::Host& host);

// The product key the host's dynamic linker reports (empty without one).
std::string HostProductKey(host::Host& host);

class QyProfileManager final : public host::ProfileManagerReactor,
                               public host::EditorReactor,
                               public host::DLinkerReactor,
                               public host::InputContextReactor {
 public:
  // Registers with the host and reads the start-up notes; `pipeName`
  // receives the pipe to serve (empty when none).
  QyProfileManager(host::Host& host, std::string* pipeName);
  ~QyProfileManager() override;
  QyProfileManager(const QyProfileManager&) = delete;
  QyProfileManager& operator=(const QyProfileManager&) = delete;

  // The passes; each returns how many applications it loaded or unloaded.
  int LoadApplications();
  int UnloadApplications();

  // host::ProfileManagerReactor
  void currentProfileWillChange(const char* newProfile) override;
  void currentProfileChanged(const char* newProfile) override;
  // host::EditorReactor
  void commandWillStart(const char*) override {}
  void commandFailed(const char*) override {}
  void commandEnded(const char* name) override;
  void commandCancelled(const char* name) override;
  // host::InputContextReactor
  void beginQuiescentState() override;

  int addOptionsTab = 0;
  std::vector<PMHostApp> loadedApps;
  std::vector<PMHostApp> appsToLoad;
  std::vector<PMHostApp> appsToUnload;
  int profileChanging = 0;
  int loading = 0;
  int unloading = 0;
  std::vector<int> startupActions;

  bool inputReactorRegistered() const { return inputReactorDocument_ != nullptr; }

 private:
  void AppendStartupAction(int action);
  void FinishProfileChange();
  bool AskLoadOrder(const std::string& candidate, const std::string& loaded);
  void LoadInItsFolder(const std::string& path, int* successes);

  host::Host& host_;
  std::string productKey_;
  // The document whose input point manager holds our input-context reactor,
  // so that it can be withdrawn there even if another document is current.
  host::Document* inputReactorDocument_ = nullptr;
};

}  // namespace inhost
