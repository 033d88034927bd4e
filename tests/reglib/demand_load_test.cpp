// AutoCAD demand-load entries and commands: both release classes, the
// ObjectDBX form, overwrite flags and removal.
#include <string>

#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

const char* const kNewer = "AutoCAD\\R16.2\\ACAD-4001:409";
const char* const kOlder = "AutoCAD\\R15.0\\ACAD-1:409";

std::string Entry(const std::string& id, const std::string& app) {
  return Product(id) + "\\Applications\\" + app;
}
std::string Own(const std::string& id, const std::string& app) {
  return Product(id) + "\\QyApps\\" + app;
}

TEST_F(RegLibTest, NewerReleaseEntryHoldsLoaderAndDescription) {
  ASSERT_EQ(lib.RegisterAppEx(2, kNewer, 12, "Tool", "My tool", "C:\\t.arx", 0, 0), 1);
  EXPECT_EQ(ReadDword(kHklm, Entry(kNewer, "Tool"), "LOADCTRLS"), 12u);
  EXPECT_EQ(ReadString(kHklm, Entry(kNewer, "Tool"), "LOADER"), "C:\\t.arx");
  EXPECT_EQ(ReadString(kHklm, Entry(kNewer, "Tool"), "DESCRIPTION"), "My tool");
  EXPECT_FALSE(KeyExists(kHklm, Product(kNewer) + "\\QyApps"));

  ASSERT_EQ(lib.RegisterAppEx(2, kNewer, 2, "Plain", "", "C:\\p.arx", 0, 0), 1);
  EXPECT_EQ(ValueNames(kHklm, Entry(kNewer, "Plain")),
            (std::vector<std::string>{"LOADCTRLS", "LOADER"}));
}

TEST_F(RegLibTest, OlderReleaseEntryPointsAtItsOwnKey) {
  struct Case {
    const char* id;
    const char* description;
    const char* nameValue;
  };
  const Case cases[] = {
      {kOlder, "My tool", "My tool"},
      {kOlder, "", "Tool"},
      {"AutoCAD LT\\R8\\ACLT-1:409", nullptr, "Tool"},
      {"AutoCAD LT\\R6\\ACLT-1:409", "D", "D"},
  };
  for (const Case& c : cases) {
    ResetRegistry();
    ASSERT_EQ(lib.RegisterAppEx(2, c.id, 2, "Tool", c.description, "C:\\t.arx", 0, 0), 1) << c.id;
    EXPECT_EQ(ValueNames(kHklm, Entry(c.id, "Tool")),
              (std::vector<std::string>{"LOADCTRLS", "REGPATH"}))
        << c.id;
    EXPECT_EQ(ReadString(kHklm, Entry(c.id, "Tool"), "REGPATH"),
              "\\\\HKEY_LOCAL_MACHINE\\" + Own(c.id, "Tool"));
    EXPECT_EQ(ReadString(kHklm, Own(c.id, "Tool") + "\\Loader", "MODULE"), "C:\\t.arx");
    EXPECT_EQ(ReadString(kHklm, Own(c.id, "Tool") + "\\Name", c.nameValue), "Tool") << c.id;
  }
}

TEST_F(RegLibTest, CurrentUserTargetNamesItsRootInRegPath) {
  ASSERT_EQ(lib.RegisterAppEx(1, kOlder, 2, "Tool", "", "C:\\t.arx", 0, 0), 1);
  EXPECT_EQ(ReadString(kHkcu, Entry(kOlder, "Tool"), "REGPATH"),
            "\\\\HKEY_CURRENT_USER\\" + Own(kOlder, "Tool"));
  EXPECT_FALSE(KeyExists(kHklm, Product(kOlder)));
}

TEST_F(RegLibTest, ObjectDbxEntryGoesBelowTheRelease) {
  ASSERT_EQ(lib.RegisterAppEx(2, kNewer, 2, "Dbx", "", "C:\\d.dbx", 1, 0), 1);
  EXPECT_EQ(ReadString(kHklm, "Software\\Autodesk\\ObjectDBX\\R16.2\\Applications\\Dbx", "LOADER"),
            "C:\\d.dbx");
  EXPECT_FALSE(KeyExists(kHklm, Product(kNewer)));
  ASSERT_EQ(lib.UnregApp(2, kNewer, "Dbx", 1), 1);
  EXPECT_FALSE(KeyExists(kHklm, "Software\\Autodesk\\ObjectDBX\\R16.2\\Applications\\Dbx"));
}

TEST_F(RegLibTest, OverwriteFlagDecidesWhetherAnExistingEntryIsRewritten) {
  for (const char* id : {kNewer, kOlder}) {
    std::string module = std::string(id) == kNewer ? "LOADER" : "MODULE";
    std::string where = std::string(id) == kNewer ? Entry(id, "Tool") : Own(id, "Tool") + "\\Loader";
    ASSERT_EQ(lib.RegisterAppEx(2, id, 2, "Tool", "", "C:\\first.arx", 0, 0), 1);
    EXPECT_EQ(lib.RegisterAppEx(2, id, 4, "Tool", "", "C:\\second.arx", 0, 0), 1);
    EXPECT_EQ(ReadString(kHklm, where, module.c_str()), "C:\\first.arx") << id;
    EXPECT_EQ(ReadDword(kHklm, Entry(id, "Tool"), "LOADCTRLS"), 2u) << id;
    EXPECT_EQ(lib.RegisterApp(2, id, 4, "Tool", "", "C:\\second.arx", 0), 1);
    EXPECT_EQ(ReadString(kHklm, where, module.c_str()), "C:\\second.arx") << id;
    EXPECT_EQ(ReadDword(kHklm, Entry(id, "Tool"), "LOADCTRLS"), 4u) << id;
  }
}

TEST_F(RegLibTest, UnregisteringNewerEntryRemovesItsTree) {
  ASSERT_EQ(lib.RegisterAppEx(2, kNewer, 2, "Tool", "", "C:\\t.arx", 0, 0), 1);
  ASSERT_EQ(lib.RegisterCommandEx(2, kNewer, "Tool", "G", "N", "L", 0), 1);
  ASSERT_EQ(lib.RegisterAppEx(2, kNewer, 2, "Other", "", "C:\\o.arx", 0, 0), 1);
  EXPECT_EQ(lib.UnregApp(2, kNewer, "Tool", 0), 1);
  EXPECT_EQ(SubkeyNames(kHklm, Product(kNewer) + "\\Applications"),
            std::vector<std::string>{"Other"});
  EXPECT_EQ(lib.UnregApp(2, kNewer, "Tool", 0), 0);
}

TEST_F(RegLibTest, UnregisteringLastOlderEntryRemovesQyApps) {
  ASSERT_EQ(lib.RegisterAppEx(2, kOlder, 2, "One", "", "C:\\1.arx", 0, 0), 1);
  ASSERT_EQ(lib.RegisterAppEx(2, kOlder, 2, "Two", "", "C:\\2.arx", 0, 0), 1);
  EXPECT_EQ(lib.UnregApp(2, kOlder, "One", 0), 1);
  EXPECT_EQ(SubkeyNames(kHklm, Product(kOlder) + "\\QyApps"), std::vector<std::string>{"Two"});
  EXPECT_EQ(lib.UnregApp(2, kOlder, "Two", 0), 1);
  EXPECT_FALSE(KeyExists(kHklm, Product(kOlder) + "\\QyApps"));
  EXPECT_TRUE(KeyExists(kHklm, Product(kOlder) + "\\Applications"));
  // An older entry whose own key is missing does not count as removed.
  WriteDword(kHklm, Entry(kOlder, "Half"), "LOADCTRLS", 2);
  EXPECT_EQ(lib.UnregApp(2, kOlder, "Half", 0), 0);
}

TEST_F(RegLibTest, EmptyApplicationNameRemovesNothing) {
  ASSERT_EQ(lib.RegisterAppEx(2, kNewer, 2, "Tool", "", "C:\\t.arx", 0, 0), 1);
  EXPECT_EQ(lib.UnregApp(2, kNewer, "", 0), 0);
  EXPECT_EQ(lib.UnregAppInPMan(kNewer, ""), 0);
  EXPECT_EQ(ReadString(kHklm, Entry(kNewer, "Tool"), "LOADER"), "C:\\t.arx");
}

TEST_F(RegLibTest, UnregAppAllAcadsReachesEveryInstallation) {
  for (const char* release : {"R16.2", "R17.0"}) {
    std::string product = std::string("Software\\Autodesk\\AutoCAD\\") + release + "\\ACAD-1:409";
    WriteString(kHklm, product, "ProductName", release);
    WriteString(kHklm, product, "AcadLocation", "C:\\A");
    std::string id = std::string("AutoCAD\\") + release + "\\ACAD-1:409";
    ASSERT_EQ(lib.RegisterAppEx(2, id.c_str(), 2, "Tool", "", "C:\\t.arx", 0, 0), 1);
  }
  EXPECT_EQ(lib.UnregAppAllAcads(2, "", 0), 0);
  EXPECT_EQ(lib.UnregAppAllAcads(2, "Tool", 0), 1);
  EXPECT_FALSE(KeyExists(kHklm, "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-1:409\\Applications\\Tool"));
  EXPECT_FALSE(KeyExists(kHklm, "Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-1:409\\Applications\\Tool"));
  EXPECT_EQ(lib.UnregAppAllAcads(2, "Tool", 0), 1);
}

TEST_F(RegLibTest, CommandsAndGroupsGoBelowTheApplication) {
  struct Case {
    const char* id;
    const char* branch;
  };
  const Case cases[] = {
      {kNewer, "\\Applications\\"},
      {kOlder, "\\QyApps\\"},
      {"AutoCAD\\R15.1\\ACAD-1:409", "\\QyApps\\"},
      {"AutoCAD LT\\R7\\ACLT-1:409", "\\QyApps\\"},
      {"AutoCAD LT\\R9\\ACLT-1:409", "\\Applications\\"},
  };
  for (const Case& c : cases) {
    std::string app = Product(c.id) + c.branch + "Tool";
    ASSERT_EQ(lib.RegisterCommandEx(2, c.id, "Tool", "GRP", "G_CMD", "CMD", 0), 1) << c.id;
    EXPECT_EQ(ReadString(kHklm, app + "\\Commands", "G_CMD"), "CMD") << c.id;
    EXPECT_EQ(ReadString(kHklm, app + "\\Groups", "GRP"), "GRP") << c.id;
  }
  // Without overwrite an existing Commands key means "already registered".
  ASSERT_EQ(lib.RegisterCommandEx(2, kNewer, "Tool", "GRP2", "G_NEW", "NEW", 0), 1);
  EXPECT_FALSE(ReadString(kHklm, Entry(kNewer, "Tool") + "\\Commands", "G_NEW"));
  ASSERT_EQ(lib.RegisterCommand(2, kNewer, "Tool", "GRP2", "G_NEW", "NEW"), 1);
  EXPECT_EQ(ReadString(kHklm, Entry(kNewer, "Tool") + "\\Commands", "G_NEW"), "NEW");
  EXPECT_EQ(ReadString(kHklm, Entry(kNewer, "Tool") + "\\Groups", "GRP2"), "GRP2");
}

TEST_F(RegLibTest, AppRegStringValueReadsTheManagerRecord) {
  std::string record = Product(kNewer) + "\\Applications\\Arvenlo\\Applications\\Tool";
  WriteString(kHklm, record, "SupportPath", "C:\\Tool\\Support");
  WriteString(kHklm, record, "", "default text");
  WriteDword(kHklm, record, "Number", 7);
  char buffer[260];
  ASSERT_EQ(lib.GetAppRegStringValue(kNewer, "Tool", "SupportPath", buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "C:\\Tool\\Support");
  ASSERT_EQ(lib.GetAppRegStringValue(kNewer, "Tool", "", buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "default text");
  EXPECT_EQ(lib.GetAppRegStringValue(kNewer, "Tool", "SupportPath", buffer, 10), 0);
  EXPECT_EQ(lib.GetAppRegStringValue(kNewer, "Tool", "Number", buffer, sizeof buffer), 0);
  EXPECT_EQ(lib.GetAppRegStringValue(kNewer, "Tool", "Missing", buffer, sizeof buffer), 0);
  EXPECT_EQ(lib.GetAppRegStringValue(kNewer, "Other", "SupportPath", buffer, sizeof buffer), 0);
  // Older releases keep the record below QyApps.
  WriteString(kHklm, Product(kOlder) + "\\QyApps\\Arvenlo\\Applications\\Tool", "Loader", "L");
  ASSERT_EQ(lib.GetAppRegStringValue(kOlder, "Tool", "Loader", buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "L");
}

}  // namespace
}  // namespace regtest
