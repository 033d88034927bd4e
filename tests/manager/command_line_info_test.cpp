// The command-line grammar: each row is one command line and the whole
// parsed record it must give.
#include "manager/command_line_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace manager {
namespace {

struct Parsed {
  bool run = false;
  std::string acadKey{};
  std::string profile{};
  bool dump = false;
  std::string dumpFile{};
  bool acCL = false;
  std::string acCLText{};
  bool create = false;
  std::vector<std::string> apps{};
  std::string acSSE{};
  std::string delProfile{};
  std::string unregApp{};
  std::string instName{};
  bool args = true;
};

struct Row {
  const char* what;
  std::vector<std::string> args;
  Parsed expected;
};

Parsed Parse(const std::vector<std::string>& args) {
  CPMCommandLineInfo info;
  ParseCommandLine(args, info);
  return Parsed{info.m_bRun,       info.m_strAcadKey,  info.m_strProfile,  info.m_bDump,
                info.m_strDumpFile, info.m_bAcCL,      info.m_strAcCL,     info.m_bCreate,
                info.m_astrApps,   info.m_strAcSSE,    info.m_strDelProfile, info.m_strUnregApp,
                info.m_strInstName, info.m_bArgs};
}

void ExpectSame(const Parsed& want, const Parsed& got) {
  EXPECT_EQ(want.run, got.run);
  EXPECT_EQ(want.acadKey, got.acadKey);
  EXPECT_EQ(want.profile, got.profile);
  EXPECT_EQ(want.dump, got.dump);
  EXPECT_EQ(want.dumpFile, got.dumpFile);
  EXPECT_EQ(want.acCL, got.acCL);
  EXPECT_EQ(want.acCLText, got.acCLText);
  EXPECT_EQ(want.create, got.create);
  EXPECT_EQ(want.apps, got.apps);
  EXPECT_EQ(want.acSSE, got.acSSE);
  EXPECT_EQ(want.delProfile, got.delProfile);
  EXPECT_EQ(want.unregApp, got.unregApp);
  EXPECT_EQ(want.instName, got.instName);
  EXPECT_EQ(want.args, got.args);
}

const char kKey[] = "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409";

const Row kRows[] = {
    {"no argument at all", {}, {.args = false}},
    {"a full run request",
     {"-r", "-a", "AutoCAD\\R16.0\\ACAD-201:409", "-p", "Design"},
     {.run = true, .acadKey = kKey, .profile = "Design"}},
    {"upper case and slashes work like -r -a -p",
     {"/R", "/A", "AutoCAD\\R16.0\\ACAD-201:409", "/P", "Design"},
     {.run = true, .acadKey = kKey, .profile = "Design"}},
    {"mixed case long switches",
     {"-acsse", "one", "-INSTNAME", "Inst", "-Dp", "Old", "-UA", "App"},
     {.acSSE = "one", .delProfile = "Old", .unregApp = "App", .instName = "Inst"}},
    {"an empty AutoCAD Id still gives a key path",
     {"-r", "-a", "", "-p", "Design"},
     {.run = true, .acadKey = "Software\\Autodesk\\", .profile = "Design"}},
    {"-r without -a", {"-r", "-p", "Design"}, {.run = true, .profile = "Design"}},
    {"a value right after -r is ignored, and so is the next one",
     {"-r", "stray", "again", "-p", "P"},
     {.run = true, .profile = "P"}},
    {"-g collects names and a later -c does not end the list",
     {"-g", "App1", "App2", "-c", "App3"},
     {.create = true, .apps = {"App1", "App2", "App3"}}},
    {"-p ends the list; the value after the profile is a stray",
     {"-g", "App1", "-p", "Design", "App2"},
     {.profile = "Design", .apps = {"App1"}}},
    {"an unknown switch and its value are ignored",
     {"-x", "value", "-p", "P"},
     {.profile = "P"}},
    {"an unknown switch stops a list",
     {"-g", "A", "-zz", "B"},
     {.apps = {"A"}}},
    {"a bare file name is a stray value", {"drawing.dwg"}, {}},
    {"a stray value before a switch does not hurt it",
     {"stray", "-dp", "Design"},
     {.delProfile = "Design"}},
    {"-d with a file", {"-d", "C:\\dump.txt"}, {.dump = true, .dumpFile = "C:\\dump.txt"}},
    {"-d without a file", {"-d"}, {}},
    {"-d takes one value only", {"-d", "a.txt", "b.txt"}, {.dump = true, .dumpFile = "a.txt"}},
    {"the last -AcSSE counts", {"-AcSSE", "first", "-AcSSE", "second"}, {.acSSE = "second"}},
    {"repeated values after -dp, -ua, -InstName: the last one counts",
     {"-dp", "A", "B", "-ua", "X", "Y", "-InstName", "I", "J"},
     {.delProfile = "B", .unregApp = "Y", .instName = "J"}},
    {"-AcCL passes switches with a slash and quotes values with blanks",
     {"-AcCL", "-t", "C:\\My Templates\\a.dwt", "-r"},
     {.acCL = true, .acCLText = " /t \"C:\\My Templates\\a.dwt\" /r"}},
    {"-AcCL with a slash switch and a plain name",
     {"-AcCL", "/b", "script.scr"},
     {.acCL = true, .acCLText = " /b script.scr"}},
    {"a tab splits a host argument as a blank does, so it is quoted too",
     {"-AcCL", "a\tb"},
     {.acCL = true, .acCLText = " \"a\tb\""}},
    {"after -AcCL the program's own switches lose their meaning",
     {"-r", "-AcCL", "-a", "X", "-p", "Y", "-AcCL"},
     {.run = true, .acCL = true, .acCLText = " /a X /p Y /AcCL"}},
    {"-AcCL does not change what the next value is before it",
     {"-p", "-AcCL"},
     {.acCL = true}},
    {"-c keeps the pending value", {"-p", "-c", "Design"}, {.profile = "Design", .create = true}},
    {"a lone dash is an unknown switch", {"-", "x"}, {}},
    {"a run request that also asks for a dump",
     {"-r", "-a", "AutoCAD\\R16.0\\ACAD-201:409", "-p", "P", "-d", "f.txt"},
     {.run = true, .acadKey = kKey, .profile = "P", .dump = true, .dumpFile = "f.txt"}},
};

TEST(CommandLineInfo, ParsesEveryRowOfTheGrammar) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    ExpectSame(row.expected, Parse(row.args));
  }
}

TEST(CommandLineInfo, StartsWithNothingExpected) {
  CPMCommandLineInfo info;
  EXPECT_EQ(-1, info.m_nExpect);
  info.ParseParam("r", true, false);
  EXPECT_EQ(1, info.m_nExpect);
  info.ParseParam("c", true, false);
  EXPECT_EQ(1, info.m_nExpect);
  info.ParseParam("nope", true, true);
  EXPECT_EQ(0, info.m_nExpect);
}

}  // namespace
}  // namespace manager
