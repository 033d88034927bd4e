#include "inhost/profile_manager.h"

#include "inhost/build.h"
#include "inhost/companion.h"
#include "inhost/features.h"
#include "inhost/registry_values.h"
#include "platform/current_dir.h"
#include "platform/modules.h"
#include "platform/path.h"
#include "platform/registry_key.h"

namespace inhost {

namespace {

constexpr const char kQuestionCaption[] = "Arvenlo for AutoCAD";

std::string Fill(const char* format, const std::string& a, const std::string& b,
                 const std::string& c) {
  const std::string* args[] = {&a, &b, &c};
  std::string text;
  int next = 0;
  for (const char* p = format; *p; ++p) {
    if (p[0] == '%' && p[1] == 's' && next < 3) {
      text += *args[next++];
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

template <typename Pred>
void RemoveIf(std::vector<PMHostApp>* list, Pred pred) {
  for (auto it = list->begin(); it != list->end();) it = pred(*it) ? list->erase(it) : it + 1;
}

}  // namespace

std::string HostProductKey(host::Host& host) {
  host::DynamicLinker* linker = host.dynamicLinker();
  const char* key = linker ? linker->ProductKey() : nullptr;
  return key ? key : "";
}

std::string GetCurrentProfileName(host::Host& host) {
  const char* active = host.activeProfileName();
  if (active && *active) return active;
  platform::RegistryKey profiles;
  if (profiles.Open(platform::kHkeyCurrentUser, HostProductKey(host) + "\\Profiles",
                    kProfileAccess) != platform::kErrSuccess)
    return std::string();
  return ReadHostString(profiles.handle(), "", 259).value_or("");
}

QyProfileManager::QyProfileManager(host::Host& host, std::string* pipeName)
    : host_(host), productKey_(HostProductKey(host)) {
  if (host::ProfileManager* profiles = host_.profileManager())
    profiles->addReactor(static_cast<host::ProfileManagerReactor*>(this));
  if (host::Editor* editor = host_.editor())
    editor->addReactor(static_cast<host::EditorReactor*>(this));
  if (host::DynamicLinker* linker = host_.dynamicLinker())
    linker->addReactor(static_cast<host::DLinkerReactor*>(this));
  UpdateProfileToolbar();

  const std::string profile = GetCurrentProfileName(host_);
  std::uint32_t byStarter = 0;
  platform::RegistryKey notes;
  if (notes.Open(platform::kHkeyCurrentUser, ProfileNotesKey(productKey_, profile),
                 kProfileAccess) == platform::kErrSuccess) {
    byStarter = ReadHostDword(notes.handle(), "PMByStrr").value_or(0);
    // The pipe name is at most 4095 characters; a value that is not a
    // proper string is left alone.
    auto pipe = ReadHostString(notes.handle(), "PipeName", 4095);
    if (pipe && pipeName) *pipeName = *pipe;
    if (byStarter != 2) {
      platform::RegRemoveValue(notes.handle(), "PMByStrr");
      if (pipe) platform::RegRemoveValue(notes.handle(), "PipeName");
    }
  }
  if (byStarter == 1 || byStarter == 2) {
    ReadProfileApplications(productKey_, profile, &appsToLoad);
    AppendStartupAction(kActionLoadMenus);
    AppendStartupAction(kActionLoadApps);
  }
}

QyProfileManager::~QyProfileManager() {
  UnloadApplications();
  // The first idle moment may never have come; the host must not call a
  // reactor that is gone.
  if (inputReactorDocument_) {
    if (host::InputPointManager* input = inputReactorDocument_->inputPointManager())
      input->removeInputContextReactor(static_cast<host::InputContextReactor*>(this));
    inputReactorDocument_ = nullptr;
  }
  if (host::DynamicLinker* linker = host_.dynamicLinker())
    linker->removeReactor(static_cast<host::DLinkerReactor*>(this));
  if (host::Editor* editor = host_.editor())
    editor->removeReactor(static_cast<host::EditorReactor*>(this));
  if (host::ProfileManager* profiles = host_.profileManager())
    profiles->removeReactor(static_cast<host::ProfileManagerReactor*>(this));
}

void QyProfileManager::AppendStartupAction(int action) {
  if (startupActions.empty() && !inputReactorDocument_) {
    host::DocumentManager* documents = host_.documentManager();
    host::Document* document = documents ? documents->curDocument() : nullptr;
    host::InputPointManager* input = document ? document->inputPointManager() : nullptr;
    if (input && input->addInputContextReactor(static_cast<host::InputContextReactor*>(this)))
      inputReactorDocument_ = document;
  }
  startupActions.push_back(action);
}

void QyProfileManager::beginQuiescentState() {
  if (inputReactorDocument_) {
    if (host::InputPointManager* input = inputReactorDocument_->inputPointManager())
      input->removeInputContextReactor(static_cast<host::InputContextReactor*>(this));
    inputReactorDocument_ = nullptr;
  }
  host::DocumentManager* documents = host_.documentManager();
  host::Document* document = documents ? documents->curDocument() : nullptr;
  for (int action : startupActions) {
    const char* text = action == kActionLoadApps    ? "Arvlo_LoadAppsOnStartup\n"
                       : action == kActionLoadMenus ? "Arvlo_LoadMenusOnStartup\n"
                                                    : nullptr;
    if (text && documents) documents->sendStringToExecute(document, text, true, false, false);
  }
  startupActions.clear();
}

void QyProfileManager::currentProfileWillChange(const char* newProfile) {
  if (loading || unloading) return;
  const std::string next = newProfile ? newProfile : "";
  ReadProfileApplications(productKey_, GetCurrentProfileName(host_), &appsToUnload);
  ReadProfileApplications(productKey_, next, &appsToLoad);
  if (IsLtBuild()) EnterProfileMenus(*this, next);
  RemoveIf(&appsToUnload, [this](const PMHostApp& old) {
    for (const PMHostApp& coming : appsToLoad)
      if (SameApplication(old, coming)) return true;
    return false;
  });
  RemoveIf(&appsToUnload, [](const PMHostApp& old) { return old.unloadable == 0; });
  profileChanging = 1;
}

void QyProfileManager::currentProfileChanged(const char* /*newProfile*/) {
  UpdateProfileToolbar();
  if (!IsLtBuild() && addOptionsTab) {
    platform::PathParts self = platform::SplitPath(platform::ThisModulePath());
    host_.registerExtendedTab((self.base + self.ext).c_str(), "OptionsDialog");
  }
}

void QyProfileManager::FinishProfileChange() {
  if (!profileChanging) return;
  UnloadApplications();
  LoadApplications();
  profileChanging = 0;
}

void QyProfileManager::commandEnded(const char* /*name*/) { FinishProfileChange(); }
void QyProfileManager::commandCancelled(const char* /*name*/) { FinishProfileChange(); }

bool QyProfileManager::AskLoadOrder(const std::string& candidate, const std::string& loaded) {
  std::string text = Fill(kLoadOrderQuestion, candidate, loaded, candidate);
  return host_.messageBox(text.c_str(), kQuestionCaption,
                          host::kMbYesNo | host::kMbIconQuestion) == host::kIdYes;
}

// Each loader is loaded with its own folder current, and the folder that was
// current before comes back afterwards.
void QyProfileManager::LoadInItsFolder(const std::string& path, int* successes) {
  const std::string previous = platform::CurrentDirectory();
  const std::string folder = platform::FolderOf(path);
  bool moved = !folder.empty() && platform::ChangeCurrentDirectory(folder);
  host::DynamicLinker* linker = host_.dynamicLinker();
  if (linker && linker->loadModule(path.c_str(), false, true)) ++*successes;
  if (moved && !previous.empty()) platform::ChangeCurrentDirectory(previous);
}

int QyProfileManager::LoadApplications() {
  loading = 1;
  // The load-order guard: nothing already loaded is loaded again, and the
  // user decides about an application that ought to have come before one
  // that is loaded.
  for (const PMHostApp& loaded : loadedApps) {
    std::size_t j = 0;
    while (j < appsToLoad.size() && !SameApplication(appsToLoad[j], loaded)) ++j;
    if (j < appsToLoad.size()) {
      const std::uint32_t order = appsToLoad[j].loadOrder;
      const std::string name = appsToLoad[j].name;
      for (std::size_t i = 0; i < j;) {
        if (appsToLoad[i].loadOrder < order && !AskLoadOrder(appsToLoad[i].name, name)) {
          appsToLoad.erase(appsToLoad.begin() + static_cast<std::ptrdiff_t>(i));
          --j;
        } else {
          ++i;
        }
      }
      appsToLoad.erase(appsToLoad.begin() + static_cast<std::ptrdiff_t>(j));
    } else {
      for (std::size_t i = 0; i < appsToLoad.size();) {
        if (appsToLoad[i].stdLoadOrder < loaded.stdLoadOrder &&
            !AskLoadOrder(appsToLoad[i].name, loaded.name))
          appsToLoad.erase(appsToLoad.begin() + static_cast<std::ptrdiff_t>(i));
        else
          ++i;
      }
    }
  }

  int count = 0;
  std::vector<std::string> modules;  // of every application of this pass so far
  for (const PMHostApp& app : appsToLoad) {
    modules.insert(modules.end(), app.modules.begin(), app.modules.end());
    NotifyCompanion(productKey_, kAePath, host::kCompanionLoaded, modules);
    int successes = 0;
    for (const std::string& path : app.loaders) LoadInItsFolder(path, &successes);
    if (successes == 0) continue;
    ++count;
    loadedApps.push_back(app);
    NotifyCompanion(productKey_, kCePath, host::kCompanionLoaded, app.commandGroups);
  }
  appsToLoad.clear();
  loading = 0;
  return count;
}

int QyProfileManager::UnloadApplications() {
  unloading = 1;
  int count = 0;
  for (const PMHostApp& app : appsToUnload) {
    NotifyCompanion(productKey_, kCePath, host::kCompanionUnloading, app.commandGroups);
    int successes = 0;
    for (const std::string& path : app.loaders) {
      host::DynamicLinker* linker = host_.dynamicLinker();
      if (linker && linker->unloadModule(path.c_str(), true)) ++successes;
    }
    if (successes == 0) continue;
    ++count;
    for (auto it = loadedApps.begin(); it != loadedApps.end(); ++it)
      if (SameApplication(*it, app)) {
        loadedApps.erase(it);
        break;
      }
  }
  appsToUnload.clear();
  unloading = 0;
  return count;
}

}  // namespace inhost
