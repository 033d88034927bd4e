// End to end under Wine: the stand-in host started like the CAD host, with
// the starter, the in-host module and sample applications, driven by a
// script; the assertions read its journal and the registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/inhost/installation.h"

namespace {

using e2e::Installation;
using e2e::HostRun;

const char kDesign[] = "Design";
const char kOther[] = "Other";

std::string Question(const std::string& candidate, const std::string& loaded) {
  return "question: Application \"" + candidate + "\" should be loaded before\\r\\napplication \"" +
         loaded + "\" that is already loaded.\\r\\nDo you really want to load application \"" +
         candidate + "\"? -> ";
}

// The sample applications' own lines, in order: "hostapp X.arx loaded" and
// "hostapp X.arx unloaded", without the working directory.
std::vector<std::string> AppEvents(const HostRun& run) {
  std::vector<std::string> events;
  for (const std::string& line : run.Lines("print: hostapp ")) {
    std::string text = line.substr(std::string("print: hostapp ").size());
    events.push_back(text.substr(0, text.find(" cwd=")));
  }
  return events;
}

std::vector<std::string> CompanionEvents(const HostRun& run) {
  std::vector<std::string> events;
  for (const std::string& line : run.Lines("print: companion "))
    events.push_back(line.substr(std::string("print: companion ").size()));
  return events;
}

// An installation with the starter, both companions and one profile.
void SetUpStarter(Installation& inst) {
  inst.EnterStarter();
  inst.AddCompanion("AE.dll");
  inst.AddCompanion("CE.dll");
  inst.SetSetupValue("AePath", inst.AppPath("AE.dll"));
  inst.SetSetupValue("CePath", inst.AppPath("CE.dll"));
  inst.AddProfile(kDesign);
  inst.SetCurrentProfile(kDesign);
}

TEST(InHostEndToEnd, RunPmDecidesWhetherTheStarterLoadsTheInHostModule) {
  struct Case {
    const char* label;
    int runPm;  // -1: none; -2: the text "1"
    bool loads;
    long runPmAfterFirst;
    bool loadsAgain;
  };
  const Case cases[] = {
      {"none", -1, false, -1, false},
      {"one start", 1, true, -1, false},
      {"every start", 2, true, 2, true},
      {"unknown value", 3, false, 3, false},
      {"not a number", -2, false, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Installation inst(std::string("runpm") + std::to_string(c.runPm + 2));
    SetUpStarter(inst);
    inst.RegisterApp({"A"});
    inst.Link(kDesign, "A", 0);
    if (c.runPm >= 0) inst.SetNoteDword(kDesign, "RunPM", static_cast<std::uint32_t>(c.runPm));
    if (c.runPm == -2) inst.SetNoteString(kDesign, "RunPM", "1");

    HostRun first = inst.Start({"QUIT"});
    ASSERT_EQ(first.exitCode, 0) << first.Text();
    const std::string arx = "load: " + inst.folder() + "Arvenlo.arx -> 0";
    bool loaded = !first.Lines(arx).empty();
    EXPECT_EQ(loaded, c.loads) << first.Text();
    EXPECT_EQ(!first.Lines("load: " + inst.folder() + "Arvenlo.dbx -> 3").empty(), !c.loads);
    EXPECT_EQ(AppEvents(first).empty(), !c.loads) << first.Text();
    if (c.runPm == -2) {
      EXPECT_TRUE(inst.HasNote(kDesign, "RunPM"));
    } else {
      EXPECT_EQ(inst.NoteDword(kDesign, "RunPM"), c.runPmAfterFirst);
    }
    // The starter's note is read and used up by the in-host module; without
    // a request it is never written.
    EXPECT_FALSE(inst.HasNote(kDesign, "PMByStrr"));

    HostRun second = inst.Start({"QUIT"});
    EXPECT_EQ(!second.Lines(arx).empty(), c.loadsAgain) << second.Text();
  }
}

TEST(InHostEndToEnd, StartUpQueuesMenusThenAppsAndLoadsTheProfileInOrder) {
  Installation inst("startup");
  SetUpStarter(inst);
  inst.RegisterApp({"A", {}, "GA", "ma"});
  inst.RegisterApp({"B", {}, "", "mb1 mb2"});
  inst.RegisterApp({"C", {}, "GC1 GC2", "", -1, 5});
  inst.RegisterApp({"D", {"D.arx", "D-missing.arx", "D2.arx"}, "GD", "", -1, 1});
  inst.Link(kDesign, "A", 2);
  inst.Link(kDesign, "B", 1);
  inst.Link(kDesign, "C", 0);
  inst.Link(kDesign, "D", 0);
  inst.SetNoteDword(kDesign, "RunPM", 1);
  inst.SetNoteString(kDesign, "PipeName", "\\\\.\\pipe\\DESIGN@SOFTWARE_X");

  HostRun run = inst.Start({"ARX_LOAD " + inst.AppPath("AE.dll"), "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.Text();

  int menus = run.Find("queued: Arvlo_LoadMenusOnStartup\\n (unechoed)");
  int apps = run.Find("queued: Arvlo_LoadAppsOnStartup\\n (unechoed)");
  ASSERT_GE(menus, 0) << run.Text();
  EXPECT_GT(apps, menus);
  int ranMenus = run.Find("command: Arvlo_LoadMenusOnStartup");
  int ranApps = run.Find("command: Arvlo_LoadAppsOnStartup");
  EXPECT_GT(ranMenus, apps);
  EXPECT_GT(ranApps, ranMenus);

  // Explicit places first, then the standard order; a loader that fails
  // does not stop the others of its application.
  EXPECT_EQ(AppEvents(run),
            (std::vector<std::string>{"B.arx loaded", "A.arx loaded", "D.arx loaded",
                                      "D2.arx loaded", "C.arx loaded", "C.arx unloaded",
                                      "D2.arx unloaded", "D.arx unloaded", "A.arx unloaded",
                                      "B.arx unloaded"}))
      << run.Text();
  // Each loader ran with its own folder current.
  for (const std::string& line : run.Lines("print: hostapp ")) {
    if (line.find(" loaded") != std::string::npos) {
      EXPECT_NE(line.find("cwd=" + inst.folder() + "apps"), std::string::npos) << line;
    }
  }
  // The companions: CePath hears of the module's own group at start and of
  // each loaded application's groups; AePath, loaded again by the script
  // only after the pass, heard nothing, while it was not loaded.
  EXPECT_EQ(CompanionEvents(run),
            (std::vector<std::string>{"CE.dll 6502 [VOKT0003_QYVESK]", "AE.dll 6502 [mb1,mb2]",
                                      "CE.dll 6502 []", "AE.dll 6502 [mb1,mb2,ma]",
                                      "CE.dll 6502 [GA]", "AE.dll 6502 [mb1,mb2,ma]",
                                      "CE.dll 6502 [GD]", "AE.dll 6502 [mb1,mb2,ma]",
                                      "CE.dll 6502 [GC1,GC2]"}))
      << run.Text();
  // The working directory is back where it was after the pass.
  std::string before = run.Lines("load: " + inst.AppPath("AE.dll") + " -> 0 (cwd ").at(0);
  EXPECT_EQ(run.Lines("load: " + inst.AppPath("AE.dll") + " -> already loaded").size(), 1u);
  std::string starterLoad = run.Lines("load: " + inst.folder() + "Arvenlo.dbx -> 0 (cwd ").at(0);
  EXPECT_EQ(before.substr(before.find("(cwd ")), starterLoad.substr(starterLoad.find("(cwd ")));

  EXPECT_FALSE(inst.HasNote(kDesign, "PMByStrr"));
  EXPECT_FALSE(inst.HasNote(kDesign, "PipeName"));
  EXPECT_FALSE(inst.HasNote(kDesign, "RunPM"));
}

// Design holds S (shared with Other), N (not unloadable) and A; Other holds
// B before S, and C without a place but with a standard position before N's.
void SetUpTwoProfiles(Installation& inst) {
  SetUpStarter(inst);
  inst.AddProfile(kOther);
  inst.RegisterApp({"S", {}, "GS", "", 1});
  inst.RegisterApp({"N", {}, "GN", "", 0, 50});
  inst.RegisterApp({"A", {}, "GA", "", 1});
  inst.RegisterApp({"B", {}, "GB", "", 1});
  inst.RegisterApp({"C", {}, "GC", "", 1, 10});
  inst.Link(kDesign, "S", 1);
  inst.Link(kDesign, "N", 2);
  inst.Link(kDesign, "A", 3);
  inst.Link(kOther, "B", 1);
  inst.Link(kOther, "S", 2);
  inst.Link(kOther, "C", 0);
  inst.SetNoteDword(kDesign, "RunPM", 1);
}

TEST(InHostEndToEnd, ProfileSwitchUnloadsTheOldAppsAndLoadsTheNewWithTheGuard) {
  // The module's own command, or the host's (any command that changes the
  // profile has the change completed when it ends).
  struct Case {
    const char* answerB;
    const char* answerC;
    const char* command;
    const char* ended;
  };
  for (const Case& c : {Case{"yes", "no", "QYCHANGEPROFILE", "VOKT0003_CHANGEPROFILE"},
                        Case{"no", "yes", "PROFILE", "PROFILE"}}) {
    SCOPED_TRACE(std::string("B ") + c.answerB + ", C " + c.answerC + " by " + c.command);
    Installation inst(std::string("switch") + c.answerB);
    SetUpTwoProfiles(inst);
    HostRun run = inst.Start({c.command, kOther, std::string("#answer ") + c.answerB,
                              std::string("#answer ") + c.answerC, "QUIT"});
    ASSERT_EQ(run.exitCode, 0) << run.Text();
    EXPECT_EQ(inst.CurrentProfile(), kOther);

    int switched = run.Find("profile: Design -> Other");
    int ended = run.Find(std::string("ended: ") + c.ended);
    ASSERT_GE(switched, 0) << run.Text();
    ASSERT_GT(ended, switched);
    std::string upperB = c.answerB[0] == 'y' ? "YES" : "NO";
    std::string upperC = c.answerC[0] == 'y' ? "YES" : "NO";
    int askB = run.Find(Question("B", "S") + upperB);
    int askC = run.Find(Question("C", "N") + upperC);
    EXPECT_GT(askB, ended) << run.Text();
    EXPECT_GT(askC, askB) << run.Text();

    std::vector<std::string> expected = {"S.arx loaded", "N.arx loaded", "A.arx loaded",
                                         "A.arx unloaded"};
    if (c.answerB[0] == 'y') expected.push_back("B.arx loaded");
    if (c.answerC[0] == 'y') expected.push_back("C.arx loaded");
    // At the end the host unloads what is left, last loaded first.
    if (c.answerC[0] == 'y') expected.push_back("C.arx unloaded");
    if (c.answerB[0] == 'y') expected.push_back("B.arx unloaded");
    expected.insert(expected.end(), {"N.arx unloaded", "S.arx unloaded"});
    EXPECT_EQ(AppEvents(run), expected) << run.Text();

    // CePath hears of A's groups before A goes, and of each new one after it came.
    std::vector<std::string> companions = CompanionEvents(run);
    auto at = [&](const std::string& e) {
      for (std::size_t i = 0; i < companions.size(); ++i)
        if (companions[i] == e) return static_cast<int>(i);
      return -1;
    };
    EXPECT_GE(at("CE.dll 6501 [GA]"), 0) << run.Text();
    EXPECT_EQ(at("CE.dll 6502 [GB]") >= 0, c.answerB[0] == 'y');
    EXPECT_EQ(at("CE.dll 6502 [GC]") >= 0, c.answerC[0] == 'y');
    EXPECT_EQ(at("CE.dll 6501 [GS]"), -1);
    EXPECT_EQ(at("CE.dll 6501 [GN]"), -1);
    EXPECT_LT(run.Find("print: companion CE.dll 6501 [GA]"),
              run.Find("print: hostapp A.arx unloaded"));
  }
}

TEST(InHostEndToEnd, ChangeProfileCommandLeavesTheCurrentProfileAndWrongInputAlone) {
  Installation inst("changecmd");
  SetUpTwoProfiles(inst);
  HostRun run = inst.Start({"qychangeprofile", "dESIGN", "QYCHANGEPROFILE", "#cancel",
                        "VOKT0003_CHANGEPROFILE", "Nowhere", "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.Text();
  EXPECT_TRUE(run.Has("prompt: Enter new profile name:  -> dESIGN")) << run.Text();
  EXPECT_TRUE(run.Has("print: \\nThe profile \"dESIGN\" is already current\\n")) << run.Text();
  EXPECT_TRUE(run.Has("cancelled: VOKT0003_CHANGEPROFILE"));
  EXPECT_TRUE(run.Has("profile: Design -> Nowhere failed: no such profile"));
  EXPECT_TRUE(run.Lines("profile: Design -> Other").empty());
  EXPECT_TRUE(run.Lines("question: ").empty());
  EXPECT_EQ(inst.CurrentProfile(), kDesign);
  // Nothing was unloaded before the host ended.
  EXPECT_GT(run.Find("print: hostapp A.arx unloaded"), run.Find("command: QUIT"));
}

// The answer fills the message's place as text: a name that looks like a
// format must come out as typed.
TEST(InHostEndToEnd, AlreadyCurrentMessageShowsTheAnswerAsTyped) {
  Installation inst("percent");
  inst.EnterInHostModuleDirectly();
  inst.AddProfile("Pct%s%n");
  inst.SetCurrentProfile("Pct%s%n");
  HostRun run = inst.Start({"QYCHANGEPROFILE", "pct%S%N", "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.Text();
  EXPECT_TRUE(run.Has("print: \\nThe profile \"pct%S%N\" is already current\\n")) << run.Text();
  EXPECT_TRUE(run.Lines("profile: ").empty());
}

// Only a note of 2 stays for the next start; any other is used up, and the
// pipe name with it.
TEST(InHostEndToEnd, StarterNoteTwoStaysAndNoNoteQueuesNothing) {
  struct Case {
    long byStarter;  // -1: none
    bool queues;
    bool notesStay;
  };
  for (const Case& c : {Case{2, true, true}, Case{-1, false, false}, Case{1, true, false}}) {
    SCOPED_TRACE(c.byStarter);
    Installation inst("note" + std::to_string(c.byStarter + 1));
    inst.EnterInHostModuleDirectly();
    inst.AddProfile(kDesign);
    inst.SetCurrentProfile(kDesign);
    inst.RegisterApp({"A"});
    inst.Link(kDesign, "A", 0);
    if (c.byStarter >= 0)
      inst.SetNoteDword(kDesign, "PMByStrr", static_cast<std::uint32_t>(c.byStarter));
    inst.SetNoteString(kDesign, "PipeName", "\\\\.\\pipe\\X@Y");
    HostRun run = inst.Start({"QUIT"});
    ASSERT_EQ(run.exitCode, 0) << run.Text();
    EXPECT_TRUE(run.Has("command-added: VOKT0003_QYVESK VOKT0003_CHANGEPROFILE QYCHANGEPROFILE"));
    EXPECT_EQ(run.Has("queued: Arvlo_LoadAppsOnStartup\\n (unechoed)"), c.queues) << run.Text();
    EXPECT_EQ(!AppEvents(run).empty(), c.queues);
    EXPECT_EQ(inst.HasNote(kDesign, "PipeName"), c.notesStay);
    EXPECT_EQ(inst.NoteDword(kDesign, "PMByStrr"), c.notesStay ? c.byStarter : -1);
  }
}

TEST(InHostEndToEnd, UnloadedModuleLeavesNoCommandsOrReactorsBehind) {
  Installation inst("withdraw");
  inst.AddProfile(kDesign);
  inst.SetCurrentProfile(kDesign);
  inst.SetNoteDword(kDesign, "PMByStrr", 1);
  // Loaded and unloaded again before the editor was ever idle: the start-up
  // commands were never queued and the input-context reactor is still there.
  HostRun run = inst.Start({"ARX_LOAD " + inst.folder() + "Arvenlo.arx ARX_UNLOAD Arvenlo.arx",
                        "QYCHANGEPROFILE", "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.Text();
  EXPECT_TRUE(run.Has("unload: " + inst.folder() + "Arvenlo.arx -> 0")) << run.Text();
  EXPECT_TRUE(run.Lines("queued: ").empty()) << run.Text();
  EXPECT_TRUE(run.Lines("leftover: ").empty()) << run.Text();
  EXPECT_TRUE(run.Has("group-removed: VOKT0003_QYVESK"));
  EXPECT_TRUE(run.Has("unknown: QYCHANGEPROFILE")) << run.Text();
}

TEST(InHostEndToEnd, InHostModuleEnteredOnCommandLoadsWhenItsCommandIsTyped) {
  Installation inst("oncommand");
  SetUpTwoProfiles(inst);
  inst.EnterInHostModuleOnCommand();
  inst.SetNoteDword(kDesign, "RunPM", 0);  // no start-up work: only the command
  HostRun run = inst.Start({"QYCHANGEPROFILE", kOther, "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.Text();
  int loaded = run.Find("demand-load: QYCHANGEPROFILE -> " + inst.folder() + "Arvenlo.arx");
  ASSERT_GE(loaded, 0) << run.Text();
  EXPECT_GT(run.Find("command: VOKT0003_CHANGEPROFILE"), loaded);
  EXPECT_TRUE(run.Has("profile: Design -> Other"));
  // Nothing of Design had been loaded, so all of Other's come, the shared
  // one too, and no question is asked.
  EXPECT_EQ(AppEvents(run),
            (std::vector<std::string>{"B.arx loaded", "S.arx loaded", "C.arx loaded",
                                      "C.arx unloaded", "S.arx unloaded", "B.arx unloaded"}))
      << run.Text();
  EXPECT_TRUE(run.Lines("question: ").empty());
}

// Text typed through the main window runs like typed input, in either build's
// encoding.
TEST(StandInHost, TakesTypedTextAtItsMainWindow) {
  for (bool lt : {false, true}) {
    SCOPED_TRACE(lt ? "AutoCAD LT" : "AutoCAD");
    Installation inst(lt ? "copydatalt" : "copydata", lt);
    ASSERT_TRUE(inst.Launch({"#wait 20000", "QUIT"}));
    ASSERT_TRUE(inst.SendTypedText("ECHO typed text\n"));
    HostRun run = inst.Finish();
    ASSERT_EQ(run.exitCode, 0) << run.Text();
    int received = run.Find("copydata: ECHO typed text\\n");
    ASSERT_GE(received, 0) << run.Text();
    EXPECT_GT(run.Find("print: typed text"), received) << run.Text();
  }
}

// A scripted run never waits for a person: what the script cannot answer
// ends it, and so does the time limit.
TEST(StandInHost, ScriptedRunsEndWhenTheScriptFallsShort) {
  struct Case {
    const char* label;
    std::vector<std::string> script;
    int timeout;
    int exitCode;
    std::string event;
  };
  const Case cases[] = {
      {"prompt without answer", {"PROFILE"}, 60, 4, "script-error: "},
      {"question without answer", {"QYCHANGEPROFILE", "Other", "QUIT"}, 60, 4, "script-error: "},
      {"answer where a command belongs", {"#answer yes", "QUIT"}, 60, 4, "script-error: "},
      {"time limit", {"#wait 60000", "QUIT"}, 2, 5, "timeout: "},
      {"no QUIT", {"ECHO x"}, 60, 0, "input-ended: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Installation inst("scripted");
    SetUpTwoProfiles(inst);
    HostRun run = inst.Start(c.script, c.timeout);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.Text();
    EXPECT_FALSE(run.Lines(c.event).empty()) << run.Text();
  }
}

TEST(InHostEndToEnd, LtBuildAddsItsPageCommand) {
  for (bool lt : {false, true}) {
    SCOPED_TRACE(lt ? "AutoCAD LT build" : "AutoCAD build");
    Installation inst(lt ? "ltbuild" : "acadbuild", lt);
    inst.EnterInHostModuleDirectly();
    inst.AddProfile(kDesign);
    inst.SetCurrentProfile(kDesign);
    HostRun run = inst.Start({"QUIT"});
    ASSERT_EQ(run.exitCode, 0) << run.Text();
    EXPECT_EQ(run.Has("command-added: VOKT0003_QYVESK VOKT0003_Arvenlo Arvenlo"), lt) << run.Text();
    EXPECT_TRUE(run.Has(std::string("extended-tab: Arvenlo.") + (lt ? "alx" : "arx") +
                        " OptionsDialog"));
  }
}

}  // namespace
