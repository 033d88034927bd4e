// The in-host module's life against a fake host: initialisation, start-up
// actions, the change-profile command and what the unload withdraws.
#include <gtest/gtest.h>

#include "inhost/build.h"
#include "inhost/module.h"
#include "inhost/profile_manager.h"
#include "platform/modules.h"
#include "platform/path.h"
#include "tests/inhost/fake_host.h"
#include "tests/inhost/scratch_product.h"

namespace {

using fakes::FakeHost;
using fakes::ScratchProduct;
constexpr platform::RegHandle kHkcu = platform::kHkeyCurrentUser;
const std::string kNotes = "Profiles\\Design\\Arvenlo";

struct ModuleTest : ::testing::Test {
  ScratchProduct product;
  FakeHost host{product.key()};

  void SetUp() override {
    host.activeProfile = "Design";
    product.WriteString(kHkcu, "Profiles", "", "Design");
  }
  void TearDown() override {
    if (inhost::Manager()) inhost::ModuleEntryPoint(&host, host::kUnloadAppMsg, nullptr);
    inhost::SetBuild(inhost::Build::kAcad);
  }
  std::vector<std::string> CommandNames() const {
    std::vector<std::string> names;
    for (const auto& c : host.commands)
      names.push_back(c.group + " " + c.globalName + " " + c.localName);
    return names;
  }
};

TEST_F(ModuleTest, RegistersItsCommandsInOrderAndEachBuildItsOwn) {
  for (inhost::Build build : {inhost::Build::kAcad, inhost::Build::kLt}) {
    inhost::SetBuild(build);
    host.commands.clear();
    host.calls.clear();
    ASSERT_EQ(inhost::ModuleEntryPoint(&host, host::kInitAppMsg, nullptr), host::kRetOK);
    std::vector<std::string> expected = {
        "VOKT0003_QYVESK Arvlo_LoadAppsOnStartup Arvlo_LoadAppsOnStartup",
        "VOKT0003_QYVESK Arvlo_LoadMenusOnStartup Arvlo_LoadMenusOnStartup",
        "VOKT0003_QYVESK VOKT0003_CHANGEPROFILE QYCHANGEPROFILE"};
    if (build == inhost::Build::kLt)
      expected.push_back("VOKT0003_QYVESK VOKT0003_Arvenlo Arvenlo");
    EXPECT_EQ(CommandNames(), expected);
    // Both builds register the extended tab under the module's own file name.
    platform::PathParts self = platform::SplitPath(platform::ThisModulePath());
    EXPECT_EQ(host.CallsStartingWith("tab "),
              std::vector<std::string>{"tab " + self.base + self.ext + " OptionsDialog"});
    EXPECT_EQ(inhost::Manager()->addOptionsTab, 1);
    EXPECT_EQ(inhost::ModuleEntryPoint(&host, host::kInitDialogMsg, nullptr), host::kRetOK);
    EXPECT_EQ(inhost::ModuleEntryPoint(&host, host::kUnloadAppMsg, nullptr), host::kRetOK);
    EXPECT_TRUE(host.commands.empty());
  }
}

TEST_F(ModuleTest, StarterNoteQueuesMenusThenAppsAtTheFirstIdleMoment) {
  product.WriteDword(kHkcu, kNotes, "PMByStrr", 1);
  product.WriteString(kHkcu, kNotes, "PipeName", "\\\\.\\pipe\\DESIGN@KEY");
  inhost::ModuleEntryPoint(&host, host::kInitAppMsg, nullptr);
  EXPECT_EQ(inhost::Manager()->startupActions,
            (std::vector<int>{inhost::kActionLoadMenus, inhost::kActionLoadApps}));
  EXPECT_EQ(host.inputReactors.size(), 1u);
  EXPECT_EQ(inhost::PipeName(), "\\\\.\\pipe\\DESIGN@KEY");
  EXPECT_FALSE(product.Has(kHkcu, kNotes, "PMByStrr"));
  EXPECT_FALSE(product.Has(kHkcu, kNotes, "PipeName"));

  host.FireQuiescent();
  EXPECT_EQ(host.CallsStartingWith("send "),
            (std::vector<std::string>{"send Arvlo_LoadMenusOnStartup\n echo=0",
                                      "send Arvlo_LoadAppsOnStartup\n echo=0"}));
  EXPECT_TRUE(host.inputReactors.empty());
  EXPECT_TRUE(inhost::Manager()->startupActions.empty());
}

TEST_F(ModuleTest, WithoutTheStarterNoteNothingWaitsForIdle) {
  struct Case {
    const char* label;
    std::uint32_t type;
    std::uint32_t value;
    bool queued;
    bool notesStay;
  };
  const Case cases[] = {
      {"none", 0, 0, false, false},
      {"two", platform::kRegDword, 2, true, true},
      {"three", platform::kRegDword, 3, false, false},
      {"as text", platform::kRegBinary, 1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    if (c.type) product.Write(kHkcu, kNotes, "PMByStrr", c.type,
                              std::string(reinterpret_cast<const char*>(&c.value), 4));
    product.WriteString(kHkcu, kNotes, "PipeName", "\\\\.\\pipe\\P");
    inhost::ModuleEntryPoint(&host, host::kInitAppMsg, nullptr);
    EXPECT_EQ(host.inputReactors.size(), c.queued ? 1u : 0u);
    EXPECT_EQ(product.Has(kHkcu, kNotes, "PipeName"), c.notesStay);
    EXPECT_EQ(product.Has(kHkcu, kNotes, "PMByStrr"), c.notesStay);
    inhost::ModuleEntryPoint(&host, host::kUnloadAppMsg, nullptr);
  }
}

TEST_F(ModuleTest, UnloadWithdrawsEverythingEvenBeforeTheFirstIdleMoment) {
  product.WriteDword(kHkcu, kNotes, "PMByStrr", 1);
  inhost::ModuleEntryPoint(&host, host::kInitAppMsg, nullptr);
  ASSERT_EQ(host.inputReactors.size(), 1u);
  EXPECT_EQ(host.profileReactors.size(), 1u);
  EXPECT_EQ(host.editorReactors.size(), 1u);
  EXPECT_EQ(host.linkerReactors.size(), 1u);
  inhost::ModuleEntryPoint(&host, host::kUnloadAppMsg, nullptr);
  EXPECT_TRUE(host.inputReactors.empty());
  EXPECT_TRUE(host.profileReactors.empty());
  EXPECT_TRUE(host.editorReactors.empty());
  EXPECT_TRUE(host.linkerReactors.empty());
  EXPECT_TRUE(host.commands.empty());
  EXPECT_EQ(host.CallsStartingWith("removeGroup "),
            std::vector<std::string>{"removeGroup VOKT0003_QYVESK"});
  EXPECT_EQ(inhost::Manager(), nullptr);
}

TEST_F(ModuleTest, ChangeProfileAsksTheHostOnlyForAnotherProfile) {
  inhost::ModuleEntryPoint(&host, host::kInitAppMsg, nullptr);
  host.promptAnswers = {"#cancel", "dESIGN", "Other Profile"};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(host.RunCommand("qychangeprofile"));
  EXPECT_EQ(host.CallsStartingWith("prompt ").size(), 3u);
  EXPECT_EQ(host.CallsStartingWith("print ").size(), 1u);
  EXPECT_EQ(host.CallsStartingWith("profile "), std::vector<std::string>{"profile Other Profile"});
}

TEST_F(ModuleTest, CurrentProfileNameFallsBackToTheRegistry) {
  struct Case {
    const char* label;
    inhost::Build build;
    std::uint32_t type;
    std::string expected;
  };
  const Case cases[] = {
      {"plain", inhost::Build::kLt, platform::kRegSz, "Stored"},
      {"expandable in AutoCAD", inhost::Build::kAcad, platform::kRegExpandSz, "Stored"},
      {"expandable in AutoCAD LT", inhost::Build::kLt, platform::kRegExpandSz, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    inhost::SetBuild(c.build);
    product.WriteString(kHkcu, "Profiles", "", "Stored", c.type);
    host.activeProfile = "";
    EXPECT_EQ(inhost::GetCurrentProfileName(host), c.expected);
    host.activeProfile = "Active";
    EXPECT_EQ(inhost::GetCurrentProfileName(host), "Active");
  }
}

}  // namespace
