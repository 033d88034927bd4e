// Start-up's dispatch: which job a command line gets, that only that job
// runs, and what it leaves as the exit code.
#include "manager/manager_app.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/language.h"
#include "common/resource_ids.h"
#include "manager/launch_messages.h"

namespace manager {
namespace {

struct Shown {
  std::u16string text;
  std::u16string caption;
  std::uint32_t flags;
};

class RecordingUi : public ManagerUi {
 public:
  void InitializeWindowing() override { ++initialized; }
  void ShowMessage(const std::u16string& text, const std::u16string& caption,
                   std::uint32_t flags) override {
    shown.push_back({text, caption, flags});
  }
  int initialized = 0;
  std::vector<Shown> shown;
};

class RecordingActions : public ManagerActions {
 public:
  std::int32_t RunInteractive() override {
    calls.push_back("interactive");
    return exitCode;
  }
  std::optional<std::int32_t> HandOff(const std::string& instance, const std::string& acadKey,
                                      const std::string& commandString, PMRunInfo& run) override {
    calls.push_back("handoff|" + instance + "|" + acadKey + "|" + commandString);
    if (handOffExit) return handOffExit;
    run.m_strPipeName = "pipe";
    return std::nullopt;
  }
  std::int32_t RunAcad(const PMRunInfo& run) override {
    calls.push_back("launch|" + run.m_strAcadKey + "|" + run.m_strProfile);
    launched = run;
    return runResult;
  }
  void WriteDump(const std::string& path) override { calls.push_back("dump|" + path); }
  void DeleteProfileAllAcads(const std::string& profile) override {
    calls.push_back("dp|" + profile);
  }
  void UnregAppInPManAllAcads(const std::string& app) override { calls.push_back("ua|" + app); }

  std::int32_t exitCode = 0;
  std::optional<std::int32_t> handOffExit;
  std::int32_t runResult = 0;
  std::vector<std::string> calls;
  PMRunInfo launched;
};

struct Row {
  const char* what;
  std::vector<std::string> args;
  StartMode mode;
  std::vector<std::string> calls;  // what the actions saw; usage shows a box instead
};

const Row kRows[] = {
    {"no argument", {}, StartMode::kInteractive, {"interactive"}},
    {"a run request", {"-r", "-a", "X", "-p", "P"}, StartMode::kLaunch,
     {"launch|Software\\Autodesk\\X|P"}},
    {"an empty -a value still launches", {"-r", "-a", "", "-p", "P"}, StartMode::kLaunch,
     {"launch|Software\\Autodesk\\|P"}},
    {"a run request with -d launches and writes no dump",
     {"-r", "-a", "X", "-p", "P", "-d", "f.txt"}, StartMode::kLaunch,
     {"launch|Software\\Autodesk\\X|P"}},
    {"-r without -a", {"-r", "-p", "P"}, StartMode::kUsage, {}},
    {"-r without -p", {"-r", "-a", "X"}, StartMode::kUsage, {}},
    {"-a and -p without -r", {"-a", "X", "-p", "P"}, StartMode::kUsage, {}},
    {"-d with a file", {"-d", "f.txt"}, StartMode::kDump, {"dump|f.txt"}},
    {"-d without a file", {"-d"}, StartMode::kUsage, {}},
    {"-d with a file and -dp writes the dump only", {"-dp", "P", "-d", "f.txt"},
     StartMode::kDump, {"dump|f.txt"}},
    {"-dp", {"-dp", "Design"}, StartMode::kDeleteProfile, {"dp|Design"}},
    {"-dp with -ua deletes the profile only", {"-ua", "App", "-dp", "Design"},
     StartMode::kDeleteProfile, {"dp|Design"}},
    {"-ua", {"-ua", "App"}, StartMode::kUnregApp, {"ua|App"}},
    {"-dp without a value", {"-dp"}, StartMode::kUsage, {}},
    {"a bare file name", {"drawing.dwg"}, StartMode::kUsage, {}},
    {"only -AcCL and its arguments", {"-AcCL", "-r", "-a", "X", "-p", "P"}, StartMode::kUsage,
     {}},
    {"an empty argument counts as an argument", {""}, StartMode::kUsage, {}},
};

TEST(ManagerApp, DispatchesTheFirstMatchingJobOnly) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    CPMCommandLineInfo info;
    ParseCommandLine(row.args, info);
    EXPECT_EQ(row.mode, ChooseStartMode(info));

    RecordingUi ui;
    RecordingActions actions;
    CPManDlgApp app(ui, actions);
    EXPECT_FALSE(app.InitInstance(row.args));
    EXPECT_EQ(0, app.ExitInstance());
    EXPECT_EQ(1, ui.initialized);
    EXPECT_EQ(row.calls, actions.calls);
    EXPECT_EQ(row.mode == StartMode::kUsage ? 1u : 0u, ui.shown.size());
  }
}

TEST(ManagerApp, UsageIsAnOkBoxCaptionedWithTheTitle) {
  RecordingUi ui;
  RecordingActions actions;
  CPManDlgApp app(ui, actions);
  app.InitInstance({"-r"});
  ASSERT_EQ(1u, ui.shown.size());
  const std::uint16_t language = common::GetUiLanguage();
  EXPECT_EQ(common::LoadLangStringWide(common::kIdsUsage, language), ui.shown[0].text);
  EXPECT_EQ(common::LoadLangStringWide(common::kIdsAppTitle, language), ui.shown[0].caption);
  EXPECT_EQ(app.Title(), ui.shown[0].caption);
  EXPECT_EQ(kMessageOk, ui.shown[0].flags);
}

TEST(ManagerApp, InteractiveModeEndsWithThePagesExitCode) {
  RecordingUi ui;
  RecordingActions actions;
  actions.exitCode = 7;
  CPManDlgApp app(ui, actions);
  app.InitInstance({});
  EXPECT_EQ(7, app.ExitInstance());
  EXPECT_TRUE(ui.shown.empty());
}

TEST(ManagerApp, LaunchResultsAreShownAndEndWithZero) {
  for (std::int32_t result = 0; result <= 5; ++result) {
    SCOPED_TRACE(result);
    RecordingUi ui;
    RecordingActions actions;
    actions.runResult = result;
    CPManDlgApp app(ui, actions);
    app.InitInstance({"-r", "-a", "AutoCAD\\R17.0\\ACAD-5001:409", "-p", "Design"});
    EXPECT_EQ(0, app.ExitInstance());
    const std::u16string message = LaunchResultMessage(
        result, MakeRunInfo(app.CommandLine()), common::GetUiLanguage());
    if (result == 0 || message.empty()) {
      // Natively there are no string resources: nothing to show.
      EXPECT_TRUE(ui.shown.empty());
    } else {
      ASSERT_EQ(1u, ui.shown.size());
      EXPECT_EQ(message, ui.shown[0].text);
      EXPECT_EQ(app.Title(), ui.shown[0].caption);
      EXPECT_EQ(kMessageOk, ui.shown[0].flags);
    }
  }
}

TEST(ManagerApp, HandOffToARunningAutoCADEndsStartUp) {
  struct Case {
    std::vector<std::string> args;
    std::optional<std::int32_t> handOff;
    std::vector<std::string> calls;
    std::int32_t exitCode;
    const char* pipe;
  };
  const Case cases[] = {
      // Handed over (or failed): AutoCAD is not started, the hand-off's code is the exit code.
      {{"-r", "-a", "X", "-p", "Design", "-AcSSE", "(cmd)"}, 0, {"handoff|Design|Software\\Autodesk\\X|(cmd)"}, 0, ""},
      {{"-r", "-a", "X", "-p", "Design", "-AcSSE", "(cmd)"}, 3, {"handoff|Design|Software\\Autodesk\\X|(cmd)"}, 3, ""},
      // Nobody serves the instance yet: AutoCAD starts with the pipe to serve.
      {{"-r", "-a", "X", "-p", "Design", "-InstName", "Inst", "-AcSSE", "(cmd)"}, std::nullopt,
       {"handoff|Inst|Software\\Autodesk\\X|(cmd)", "launch|Software\\Autodesk\\X|Design"}, 0, "pipe"},
      // No command string: no hand-off at all.
      {{"-r", "-a", "X", "-p", "Design", "-InstName", "Inst"}, 2, {"launch|Software\\Autodesk\\X|Design"}, 0, ""},
  };
  for (const Case& c : cases) {
    RecordingUi ui;
    RecordingActions actions;
    actions.handOffExit = c.handOff;
    CPManDlgApp app(ui, actions);
    app.InitInstance(c.args);
    EXPECT_EQ(c.calls, actions.calls);
    EXPECT_EQ(c.exitCode, app.ExitInstance());
    EXPECT_EQ(c.pipe, actions.launched.m_strPipeName);
    EXPECT_TRUE(ui.shown.empty());
  }
}

TEST(ManagerApp, TheLaunchGetsTheWholeRequest) {
  RecordingUi ui;
  RecordingActions actions;
  CPManDlgApp app(ui, actions);
  app.InitInstance({"-r", "-a", "AutoCAD\\R17.0\\ACAD-5001:409", "-p", "Design", "-c", "-g", "A1",
                    "A2", "-AcSSE", "(command)", "-AcCL", "-t", "x y.dwt"});
  EXPECT_EQ("Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:409", actions.launched.m_strAcadKey);
  EXPECT_EQ("Design", actions.launched.m_strProfile);
  EXPECT_TRUE(actions.launched.m_bCreate);
  EXPECT_EQ((std::vector<std::string>{"A1", "A2"}), actions.launched.m_astrApps);
  EXPECT_EQ(" /t \"x y.dwt\"", actions.launched.m_strAcCL);
  EXPECT_EQ("pipe", actions.launched.m_strPipeName);  // prepared by the hand-off
  EXPECT_EQ("(command)", app.CommandLine().m_strAcSSE);
}

}  // namespace
}  // namespace manager
