// Arvenlo's own application records: which fields a record of each size
// writes, and removing records.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

const char* const kId = "AutoCAD\\R16.2\\ACAD-4001:409";

std::string Record(const std::string& id, const std::string& app) {
  return Product(id) + "\\Applications\\Arvenlo\\Applications\\" + app;
}

AppRecord FullRecord(unsigned int size) {
  AppRecord r{};
  r.size = size;
  r.target = 2;
  r.acadId = kId;
  r.appName = "Tool";
  r.loader = "C:\\Tool\\tool.arx";
  r.description = "Tool description";
  r.modules = "tool.arx";
  r.commandGroups = "TOOL_CMDS";
  r.menuGroup = "TOOLMENU";
  r.menuFile = "C:\\Tool\\tool.mnu";
  r.templateFile = "tool.dwt";
  r.unloadable = 1;
  r.largeIcon = "large.ico";
  r.smallIcon = "small.ico";
  r.shortcutIcon = "short.ico";
  r.supportPath = "C:\\Tool\\Support";
  r.publisher = "Vendor";
  r.perUserMenu = 1;
  r.perUserCopyMask = "*.mnu";
  return r;
}

TEST_F(RegLibTest, RecordSizeDecidesWhichFieldsAreWritten) {
  const std::vector<std::string> basic = {
      "CommandGroups", "Description",   "LargeIconName", "Loader",   "MenuFile", "MenuGroup",
      "Modules",       "ShortcutIconName", "SmallIconName", "Template", "Unloadable"};
  std::vector<std::string> support = basic;
  support.push_back("SupportPath");
  std::vector<std::string> full = support;
  for (const char* name : {"PerUserCopyMask", "PerUserMenu", "Publisher"}) full.push_back(name);
  struct Case {
    unsigned int size;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {APPRECORD_SIZE_BASIC, basic},
      {APPRECORD_SIZE_SUPPORT, support},
      {APPRECORD_SIZE_FULL, full},
  };
  for (const Case& c : cases) {
    ResetRegistry();
    AppRecord r = FullRecord(c.size);
    ASSERT_EQ(lib.RegisterAppInPMan(&r), 1) << c.size;
    std::vector<std::string> expected = c.values;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ValueNames(kHklm, Record(kId, "Tool")), expected) << c.size;
  }
  EXPECT_EQ(ReadString(kHklm, Record(kId, "Tool"), "Loader"), "C:\\Tool\\tool.arx");
  EXPECT_EQ(ReadDword(kHklm, Record(kId, "Tool"), "Unloadable"), 1u);
  EXPECT_EQ(ReadDword(kHklm, Record(kId, "Tool"), "PerUserMenu"), 1u);
  EXPECT_EQ(ReadString(kHklm, Record(kId, "Tool"), "PerUserCopyMask"), "*.mnu");
}

TEST_F(RegLibTest, RecordShorterThanItsOldestFormIsRefused) {
  AppRecord r = FullRecord(APPRECORD_SIZE_BASIC - 4);
  EXPECT_EQ(lib.RegisterAppInPMan(&r), 0);
  r.size = 0;
  EXPECT_EQ(lib.RegisterAppInPMan(&r), 0);
  EXPECT_FALSE(KeyExists(kHklm, Record(kId, "Tool")));
}

TEST_F(RegLibTest, RecordLeavesOutWhatIsMissingOrZero) {
  AppRecord r{};
  r.size = APPRECORD_SIZE_FULL;
  r.target = 2;
  r.acadId = kId;
  r.appName = "Tool";
  r.loader = "C:\\t.arx";
  r.menuGroup = "ONLYGROUP";  // without a menu file neither is written
  r.modules = "";
  r.unloadable = 0;
  r.perUserMenu = 0;
  ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
  EXPECT_EQ(ValueNames(kHklm, Record(kId, "Tool")),
            (std::vector<std::string>{"Loader", "Unloadable"}));
  EXPECT_EQ(ReadDword(kHklm, Record(kId, "Tool"), "Unloadable"), 0u);
  // Values the record does not mention stay.
  WriteString(kHklm, Record(kId, "Tool"), "Extra", "kept");
  r.menuGroup = nullptr;
  r.menuFile = "only.mnu";
  ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
  EXPECT_EQ(ReadString(kHklm, Record(kId, "Tool"), "Extra"), "kept");
  EXPECT_FALSE(ReadString(kHklm, Record(kId, "Tool"), "MenuFile"));
  // No loader, no registration.
  r.loader = nullptr;
  r.appName = "NoLoader";
  EXPECT_EQ(lib.RegisterAppInPMan(&r), 0);
  EXPECT_TRUE(ValueNames(kHklm, Record(kId, "NoLoader")).empty());
}

TEST_F(RegLibTest, RecordFollowsTargetAndRelease) {
  AppRecord r = FullRecord(APPRECORD_SIZE_BASIC);
  r.target = 1;
  ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
  EXPECT_TRUE(KeyExists(kHkcu, Record(kId, "Tool")));
  r.target = 3;  // 32-bit Windows only
  EXPECT_EQ(lib.RegisterAppInPMan(&r), 0);
  for (const char* id : {"AutoCAD\\R15.0\\ACAD-1:409", "AutoCAD LT\\R8\\ACLT-1:409"}) {
    r.target = 2;
    r.acadId = id;
    ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
    EXPECT_TRUE(KeyExists(kHklm, Product(id) + "\\QyApps\\Arvenlo\\Applications\\Tool")) << id;
  }
}

TEST_F(RegLibTest, UnregisteringRecords) {
  AppRecord r = FullRecord(APPRECORD_SIZE_FULL);
  ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
  WriteString(kHklm, Record(kId, "Tool") + "\\Sub", "v", "x");
  WriteDword(kHklm, Product(kId) + "\\Applications\\Arvenlo\\StdLoadOrder", "Tool", 5);
  WriteString(kHkcu, Profile(kId, "P") + "\\Arvenlo\\Applications\\Tool", "x", "y");
  EXPECT_EQ(lib.UnregAppInPMan(kId, "Tool"), 1);
  EXPECT_FALSE(KeyExists(kHklm, Record(kId, "Tool")));
  // Load order and links are not the record's.
  EXPECT_EQ(ReadDword(kHklm, Product(kId) + "\\Applications\\Arvenlo\\StdLoadOrder", "Tool"), 5u);
  EXPECT_TRUE(KeyExists(kHkcu, Profile(kId, "P") + "\\Arvenlo\\Applications\\Tool"));
  EXPECT_EQ(lib.UnregAppInPMan(kId, "Tool"), 0);
}

TEST_F(RegLibTest, UnregisteringRecordsEverywhere) {
  const char* lt = "AutoCAD LT\\R8\\ACLT-1:409";
  WriteString(kHklm, Product(kId), "ProductName", "A");
  WriteString(kHklm, Product(kId), "AcadLocation", "C:\\A");
  WriteString(kHklm, Product(lt), "ProductName", "L");
  WriteString(kHklm, Product(lt), "Location", "C:\\L");
  for (const char* id : {kId, lt}) {
    AppRecord r = FullRecord(APPRECORD_SIZE_BASIC);
    r.acadId = id;
    ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
  }
  EXPECT_EQ(lib.UnregAppInPManAllAcads("Tool"), 1);
  EXPECT_FALSE(KeyExists(kHklm, Record(kId, "Tool")));
  EXPECT_FALSE(KeyExists(kHklm, Product(lt) + "\\QyApps\\Arvenlo\\Applications\\Tool"));
  EXPECT_EQ(lib.UnregAppInPManAllAcads("Tool"), 1);
}

}  // namespace
}  // namespace regtest
