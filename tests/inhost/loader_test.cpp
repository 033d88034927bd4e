// The in-host module's readers, its ordering and its load and unload passes
// with the load-order guard, against a fake host.
#include <gtest/gtest.h>

#include "inhost/build.h"
#include "inhost/host_app.h"
#include "inhost/profile_manager.h"
#include "platform/current_dir.h"
#include "platform/files.h"
#include "tests/inhost/fake_host.h"
#include "tests/inhost/scratch_product.h"

namespace {

using fakes::FakeHost;
using fakes::ScratchProduct;
using inhost::PMHostApp;
constexpr platform::RegHandle kHkcu = platform::kHkeyCurrentUser;
constexpr platform::RegHandle kHklm = platform::kHkeyLocalMachine;
const std::string kApps = "Applications\\Arvenlo\\Applications\\";

std::string Links(const std::string& profile) {
  return "Profiles\\" + profile + "\\Arvenlo\\Applications\\";
}

PMHostApp App(const std::string& name, std::uint32_t loadOrder = 0,
              std::uint32_t stdLoadOrder = 65535) {
  PMHostApp app;
  app.name = name;
  app.loaders = {"C:\\apps\\" + name + ".arx"};
  app.loadOrder = loadOrder;
  app.stdLoadOrder = stdLoadOrder;
  return app;
}

std::vector<std::string> Names(const std::vector<PMHostApp>& list) {
  std::vector<std::string> names;
  for (const PMHostApp& app : list) names.push_back(app.name);
  return names;
}

class BuildGuard {
 public:
  explicit BuildGuard(inhost::Build build) { inhost::SetBuild(build); }
  ~BuildGuard() { inhost::SetBuild(inhost::Build::kAcad); }
};

TEST(ReadApplicationTest, ReadsTheRegistrationAsTheModuleKeepsIt) {
  ScratchProduct product;
  const std::string key = kApps + "Tools";
  product.WriteString(kHklm, key, "Loader", "C:\\t\\main.arx");
  product.WriteString(kHklm, key, "Loader0", "C:\\t\\zero.arx");  // never read
  product.WriteString(kHklm, key, "Loader1", "C:\\t\\one.arx");
  product.WriteString(kHklm, key, "Loader2", "C:\\t\\two.arx");
  product.WriteString(kHklm, key, "Loader4", "C:\\t\\four.arx");  // after a gap
  product.WriteString(kHklm, key, "CommandGroups", " G1  G2 ");
  product.WriteString(kHklm, key, "Modules", "m1.arx");
  product.WriteString(kHklm, key, "Publisher", "Acme");
  product.WriteDword(kHklm, key, "Unloadable", 1);
  product.WriteDword(kHklm, key, "PerUserMenu", 1);
  product.WriteString(kHklm, key, "MenuGroup", "TOOLS");
  product.WriteString(kHklm, key, "MenuFile", "C:\\t\\tools.mnu");
  product.WriteDword(kHklm, "Applications\\Arvenlo\\StdLoadOrder", "Tools", 7);

  PMHostApp app;
  ASSERT_TRUE(inhost::ReadApplication(product.key(), "Tools", &app));
  EXPECT_EQ(app.name, "Tools");
  EXPECT_EQ(app.loaders,
            (std::vector<std::string>{"C:\\t\\main.arx", "C:\\t\\one.arx", "C:\\t\\two.arx"}));
  EXPECT_EQ(app.commandGroups, (std::vector<std::string>{"G1", "G2"}));
  EXPECT_EQ(app.modules, std::vector<std::string>{"m1.arx"});
  EXPECT_EQ(app.publisher, "Acme");
  EXPECT_EQ(app.unloadable, 1u);
  EXPECT_EQ(app.perUserMenu, 1u);
  EXPECT_EQ(app.stdLoadOrder, 7u);
  EXPECT_EQ(app.menuGroups, std::vector<std::string>{"TOOLS"});
  EXPECT_EQ(app.menuFiles, std::vector<std::string>{"C:\\t\\tools.mnu"});

  // Without Loader the application does not exist for the module; without
  // both halves of the menu there is no menu; without a position it is 65535.
  product.WriteString(kHklm, kApps + "NoLoader", "Loader1", "C:\\x.arx");
  product.WriteString(kHklm, kApps + "Half", "Loader", "C:\\h.arx");
  product.WriteString(kHklm, kApps + "Half", "MenuGroup", "HALF");
  product.WriteString(kHklm, kApps + "Half", "MenuFile", "");
  PMHostApp none, half;
  EXPECT_FALSE(inhost::ReadApplication(product.key(), "NoLoader", &none));
  EXPECT_FALSE(inhost::ReadApplication(product.key(), "Missing", &none));
  ASSERT_TRUE(inhost::ReadApplication(product.key(), "Half", &half));
  EXPECT_TRUE(half.menuGroups.empty());
  EXPECT_TRUE(half.menuFiles.empty());
  EXPECT_EQ(half.stdLoadOrder, 65535u);
  EXPECT_EQ(half.unloadable, 0u);
}

TEST(ReadApplicationTest, AcceptsOnlyTheValueTypesOfItsBuild) {
  struct Case {
    const char* label;
    inhost::Build build;
    std::uint32_t loaderType;
    std::string loader;
    std::uint32_t unloadableType;
    bool readable;
    std::uint32_t unloadable;
  };
  const std::string longest(1039, 'x');
  const Case cases[] = {
      {"AutoCAD takes expandable text", inhost::Build::kAcad, platform::kRegExpandSz, "%A%\\a.arx",
       platform::kRegDword, true, 1},
      {"AutoCAD LT does not", inhost::Build::kLt, platform::kRegExpandSz, "%A%\\a.arx",
       platform::kRegDword, false, 0},
      {"1039 characters fit", inhost::Build::kLt, platform::kRegSz, longest, platform::kRegDword,
       true, 1},
      {"1040 do not", inhost::Build::kAcad, platform::kRegSz, longest + "x", platform::kRegDword,
       false, 0},
      {"a number stored as binary is absent", inhost::Build::kAcad, platform::kRegSz, "C:\\a.arx",
       platform::kRegBinary, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    BuildGuard build(c.build);
    ScratchProduct product;
    product.WriteString(kHklm, kApps + "A", "Loader", c.loader, c.loaderType);
    std::uint32_t one = 1;
    product.Write(kHklm, kApps + "A", "Unloadable", c.unloadableType,
                  std::string(reinterpret_cast<const char*>(&one), 4));
    PMHostApp app;
    EXPECT_EQ(inhost::ReadApplication(product.key(), "A", &app), c.readable);
    if (c.readable) {
      EXPECT_EQ(app.loaders, std::vector<std::string>{c.loader});
      EXPECT_EQ(app.unloadable, c.unloadable);
    }
  }
}

TEST(ProfileOrderTest, ExplicitPlacesFirstThenStandardPositionsKeepingTies) {
  struct Case {
    std::vector<PMHostApp> apps;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {{App("a", 0, 20), App("b", 3), App("c", 0, 10), App("d", 1)}, {"d", "b", "c", "a"}},
      {{App("a", 2), App("b", 2), App("c", 1)}, {"c", "a", "b"}},
      {{App("a", 0, 5), App("b", 0, 5), App("c", 0, 65535), App("d", 0, 1)}, {"d", "a", "b", "c"}},
      {{App("a", 0xFFFFFFFFu), App("b", 0x80000000u), App("c", 0, 0)}, {"b", "a", "c"}},
  };
  for (const Case& c : cases) {
    std::vector<PMHostApp> list = c.apps;
    inhost::OrderProfileApplications(&list);
    EXPECT_EQ(Names(list), c.order);
  }
}

TEST(ProfileOrderTest, ReadsTheProfilesLinksAndLeavesOutUnknownApplications) {
  ScratchProduct product;
  for (const char* name : {"A", "B", "C"})
    product.WriteString(kHklm, kApps + name, "Loader", std::string("C:\\") + name + ".arx");
  product.WriteDword(kHklm, "Applications\\Arvenlo\\StdLoadOrder", "A", 30);
  product.WriteDword(kHklm, "Applications\\Arvenlo\\StdLoadOrder", "B", 20);
  product.WriteDword(kHkcu, Links("P") + "A", "LoadOrder", 0);
  product.WriteDword(kHkcu, Links("P") + "B", "LoadOrder", 0);
  product.WriteDword(kHkcu, Links("P") + "C", "LoadOrder", 4);
  product.WriteDword(kHkcu, Links("P") + "C", "MenuLoaded", 1);
  product.WriteDword(kHkcu, Links("P") + "Gone", "LoadOrder", 1);

  std::vector<PMHostApp> list = {App("stale")};
  EXPECT_EQ(inhost::ReadProfileApplications(product.key(), "P", &list), 3u);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(list[0].menuLoaded, 1u);
  EXPECT_EQ(list[0].loadOrder, 4u);

  EXPECT_EQ(inhost::ReadProfileApplications(product.key(), "", &list), 0u);
  EXPECT_EQ(list.size(), 3u);  // untouched
  EXPECT_EQ(inhost::ReadProfileApplications(product.key(), "NoSuchProfile", &list), 0u);
  EXPECT_TRUE(list.empty());
}

struct PassFixture : ::testing::Test {
  ScratchProduct product;
  FakeHost host{product.key()};
  inhost::QyProfileManager manager{host, nullptr};
};

using LoadPassTest = PassFixture;

TEST_F(LoadPassTest, GuardAsksAboutAppsThatShouldHaveComeBeforeOnesAlreadyLoaded) {
  struct Case {
    const char* label;
    std::vector<PMHostApp> loaded, toLoad;
    std::vector<int> answers;
    std::vector<std::string> questions;  // candidate, loaded
    std::vector<std::string> loads;
  };
  const Case cases[] = {
      {"nothing loaded yet", {}, {App("X", 1), App("Y", 2)}, {}, {}, {"X", "Y"}},
      {"earlier place, yes", {App("Y", 2)}, {App("X", 1), App("Y", 2)}, {host::kIdYes},
       {"X", "Y"}, {"X"}},
      {"earlier place, no", {App("Y", 2)}, {App("X", 1), App("Y", 2)}, {host::kIdNo}, {"X", "Y"},
       {}},
      {"loaded one has no place", {App("Y", 0)}, {App("X", 1), App("Y", 0)}, {}, {}, {"X"}},
      {"kept from before, standard positions",
       {App("Y", 0, 50)},
       {App("X", 0, 10), App("Z", 0, 50), App("W")},
       {host::kIdNo},
       {"X", "Y"},
       {"Z", "W"}},
      {"names are texts, never formats", {App("Y%n", 2)}, {App("X%s", 1), App("Y%n", 2)},
       {host::kIdNo}, {"X%s", "Y%n"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    host.calls.clear();
    manager.loadedApps = c.loaded;
    manager.appsToLoad = c.toLoad;
    host.questionAnswers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(manager.LoadApplications(), static_cast<int>(c.loads.size()));
    std::vector<std::string> questions, loads;
    for (std::size_t i = 0; i + 1 < c.questions.size(); i += 2)
      questions.push_back(std::string("question Application \"") + c.questions[i] +
                          "\" should be loaded before\r\napplication \"" + c.questions[i + 1] +
                          "\" that is already loaded.\r\nDo you really want to load application \"" +
                          c.questions[i] + "\"?");
    for (const std::string& name : c.loads) loads.push_back("load C:\\apps\\" + name + ".arx");
    EXPECT_EQ(host.CallsStartingWith("question "), questions);
    EXPECT_EQ(host.CallsStartingWith("load "), loads);
    EXPECT_TRUE(manager.appsToLoad.empty());
    EXPECT_EQ(manager.loading, 0);
    EXPECT_EQ(manager.loadedApps.size(), c.loaded.size() + c.loads.size());
  }
}

TEST_F(LoadPassTest, AnAppCountsAsLoadedWhenOneOfItsLoadersLoads) {
  PMHostApp three = App("Three");
  three.loaders = {"C:\\a\\1.arx", "C:\\a\\2.arx", "C:\\a\\3.arx"};
  PMHostApp dead = App("Dead");
  host.loadResults["C:\\a\\2.arx"] = false;
  host.loadResults["C:\\apps\\Dead.arx"] = false;
  manager.appsToLoad = {dead, three};
  EXPECT_EQ(manager.LoadApplications(), 1);
  EXPECT_EQ(host.CallsStartingWith("load "),
            (std::vector<std::string>{"load C:\\apps\\Dead.arx", "load C:\\a\\1.arx",
                                      "load C:\\a\\2.arx", "load C:\\a\\3.arx"}));
  EXPECT_EQ(Names(manager.loadedApps), std::vector<std::string>{"Three"});
}

TEST_F(LoadPassTest, EachLoaderLoadsWithItsOwnFolderCurrent) {
  const std::string sep(1, platform::PathSeparator());
  const std::string base = platform::TempPath() + "arvenlo-inhost-cwd";
  platform::CreateFolder(base);
  platform::CreateFolder(base + sep + "one");
  platform::CreateFolder(base + sep + "two");
  const std::string before = platform::CurrentDirectory();
  PMHostApp app = App("Two");
  app.loaders = {base + sep + "one" + sep + "a.arx", base + sep + "two" + sep + "b.arx",
                 "bare.arx"};
  manager.appsToLoad = {app};
  manager.LoadApplications();
  EXPECT_EQ(host.loadDirectories[app.loaders[0]], base + sep + "one");
  EXPECT_EQ(host.loadDirectories[app.loaders[1]], base + sep + "two");
  EXPECT_EQ(host.loadDirectories["bare.arx"], before);  // no folder: left as it is
  EXPECT_EQ(platform::CurrentDirectory(), before);
  platform::RemoveFolder(base + sep + "one");
  platform::RemoveFolder(base + sep + "two");
  platform::RemoveFolder(base);
}

using UnloadPassTest = PassFixture;

TEST_F(UnloadPassTest, ForgetsAnAppOnlyWhenOneOfItsLoadersUnloaded) {
  PMHostApp half = App("Half");
  half.loaders = {"C:\\h\\1.arx", "C:\\h\\2.arx"};
  PMHostApp stuck = App("Stuck");
  host.unloadResults["C:\\h\\1.arx"] = false;
  host.unloadResults["C:\\apps\\Stuck.arx"] = false;
  manager.loadedApps = {App("Other"), half, stuck};
  manager.appsToUnload = {half, stuck};
  EXPECT_EQ(manager.UnloadApplications(), 1);
  EXPECT_EQ(host.CallsStartingWith("unload "),
            (std::vector<std::string>{"unload C:\\h\\1.arx", "unload C:\\h\\2.arx",
                                      "unload C:\\apps\\Stuck.arx"}));
  EXPECT_EQ(Names(manager.loadedApps), (std::vector<std::string>{"Other", "Stuck"}));
  EXPECT_TRUE(manager.appsToUnload.empty());
  EXPECT_EQ(manager.unloading, 0);
}

struct ProfileChangeTest : ::testing::Test {
  ScratchProduct product;
  FakeHost host{product.key()};
  std::unique_ptr<inhost::QyProfileManager> manager;

  void Register(const std::string& name, const std::string& loader, std::uint32_t unloadable) {
    product.WriteString(kHklm, kApps + name, "Loader", loader);
    product.WriteDword(kHklm, kApps + name, "Unloadable", unloadable);
  }
  void SetUp() override {
    // Old: S (also in New, under another name), A (unloadable), N (not).
    Register("S", "C:\\s.arx", 1);
    Register("S2", "C:\\s.arx", 1);
    Register("A", "C:\\a.arx", 1);
    Register("N", "C:\\n.arx", 0);
    Register("B", "C:\\b.arx", 1);
    product.WriteDword(kHkcu, Links("Old") + "S", "LoadOrder", 1);
    product.WriteDword(kHkcu, Links("Old") + "A", "LoadOrder", 2);
    product.WriteDword(kHkcu, Links("Old") + "N", "LoadOrder", 3);
    product.WriteDword(kHkcu, Links("New") + "S2", "LoadOrder", 2);
    product.WriteDword(kHkcu, Links("New") + "B", "LoadOrder", 1);
    host.activeProfile = "Old";
    manager = std::make_unique<inhost::QyProfileManager>(host, nullptr);
    inhost::ReadProfileApplications(product.key(), "Old", &manager->loadedApps);
  }
};

TEST_F(ProfileChangeTest, GoesWhenTheChangingCommandEndsNotBefore) {
  for (host::ProfileManagerReactor* r : host.profileReactors) r->currentProfileWillChange("New");
  EXPECT_EQ(Names(manager->appsToUnload), std::vector<std::string>{"A"});
  EXPECT_EQ(Names(manager->appsToLoad), (std::vector<std::string>{"B", "S2"}));
  EXPECT_EQ(manager->profileChanging, 1);
  host.activeProfile = "New";

  // A failed command completes nothing; the next one that ends does.
  for (host::EditorReactor* r : host.editorReactors) r->commandFailed("OPTIONS");
  EXPECT_TRUE(host.CallsStartingWith("unload ").empty());
  host.questionAnswers = {host::kIdYes};  // B has an earlier place than the loaded S
  for (host::EditorReactor* r : host.editorReactors) r->commandEnded("ANY");
  EXPECT_EQ(host.CallsStartingWith("unload "), std::vector<std::string>{"unload C:\\a.arx"});
  EXPECT_EQ(host.CallsStartingWith("load "), std::vector<std::string>{"load C:\\b.arx"});
  EXPECT_EQ(Names(manager->loadedApps), (std::vector<std::string>{"S", "N", "B"}));
  EXPECT_EQ(manager->profileChanging, 0);

  for (host::EditorReactor* r : host.editorReactors) r->commandCancelled("ANY");
  EXPECT_EQ(host.CallsStartingWith("load ").size(), 1u);
}

TEST_F(ProfileChangeTest, IgnoredWhileAPassRuns) {
  for (int* flag : {&manager->loading, &manager->unloading}) {
    *flag = 1;
    for (host::ProfileManagerReactor* r : host.profileReactors) r->currentProfileWillChange("New");
    EXPECT_EQ(manager->profileChanging, 0);
    EXPECT_TRUE(manager->appsToLoad.empty());
    *flag = 0;
  }
}

}  // namespace
