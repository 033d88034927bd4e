// Links of applications into profiles, with their support folders, and a
// profile's toolbar item.
#include <string>
#include <vector>

#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

const char* const kId = "AutoCAD\\R16.2\\ACAD-4001:409";

std::string Links() { return Profile(kId, "P") + "\\Arvenlo\\Applications"; }
std::string General() { return Profile(kId, "P") + "\\General"; }

class LinksTest : public RegLibTest {
 protected:
  void SetUp() override {
    RegLibTest::SetUp();
    WriteString(kHkcu, General(), "ACAD", "C:\\Acad\\Support");
    Register("One", "C:\\One");
    Register("Two", "C:\\Two;C:\\Two\\Fonts");
    Register("NoSupport", nullptr);
  }
  void Register(const char* app, const char* support) {
    AppRecord r{};
    r.size = APPRECORD_SIZE_SUPPORT;
    r.target = 2;
    r.acadId = kId;
    r.appName = app;
    r.loader = "C:\\x.arx";
    r.supportPath = support;
    ASSERT_EQ(lib.RegisterAppInPMan(&r), 1);
  }
  std::optional<std::string> Support() { return ReadString(kHkcu, General(), "ACAD"); }
};

TEST_F(LinksTest, LinkingWritesTheLinkAndAddsSupportFolders) {
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 0), 1);
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "Two", 0), 1);
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "NoSupport", 0), 1);
  EXPECT_EQ(SubkeyNames(kHkcu, Links()), (std::vector<std::string>{"NoSupport", "One", "Two"}));
  EXPECT_EQ(ReadDword(kHkcu, Links() + "\\One", "LoadOrder"), 0u);
  EXPECT_EQ(ReadDword(kHkcu, Links() + "\\One", "MenuLoaded"), 0u);
  EXPECT_EQ(Support(), "C:\\Two;C:\\Two\\Fonts;C:\\One;C:\\Acad\\Support");
  // Linking again resets the link and adds nothing twice.
  WriteDword(kHkcu, Links() + "\\One", "LoadOrder", 4);
  WriteDword(kHkcu, Links() + "\\One", "MenuLoaded", 1);
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 0), 1);
  EXPECT_EQ(ReadDword(kHkcu, Links() + "\\One", "LoadOrder"), 0u);
  EXPECT_EQ(ReadDword(kHkcu, Links() + "\\One", "MenuLoaded"), 0u);
  EXPECT_EQ(Support(), "C:\\Two;C:\\Two\\Fonts;C:\\One;C:\\Acad\\Support");
}

TEST_F(LinksTest, ExclusiveLinkLeavesOnlyItself) {
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 0), 1);
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "Two", 0), 1);
  ASSERT_EQ(lib.RegisterAppInProfile(kId, "P", "NoSupport"), 1);
  EXPECT_EQ(SubkeyNames(kHkcu, Links()), std::vector<std::string>{"NoSupport"});
  EXPECT_EQ(Support(), "C:\\Acad\\Support");
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 1), 1);
  EXPECT_EQ(SubkeyNames(kHkcu, Links()), std::vector<std::string>{"One"});
  EXPECT_EQ(Support(), "C:\\One;C:\\Acad\\Support");
}

TEST_F(LinksTest, UnlinkingAllKeepsTheKeys) {
  EXPECT_EQ(lib.UnregAppsInProfile(kId, "P"), 2);  // no links yet
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 0), 1);
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "Two", 0), 1);
  WriteString(kHkcu, Links() + "\\Two\\Deeper", "v", "x");
  EXPECT_EQ(lib.UnregAppsInProfile(kId, "P"), 0);
  EXPECT_TRUE(KeyExists(kHkcu, Links()));
  EXPECT_TRUE(SubkeyNames(kHkcu, Links()).empty());
  EXPECT_EQ(Support(), "C:\\Acad\\Support");
}

TEST_F(LinksTest, UnlinkingTheLastLinkRemovesEmptyKeys) {
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 0), 1);
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "Two", 0), 1);
  WriteDword(kHkcu, Profile(kId, "P") + "\\Arvenlo", "RunPM", 1);
  EXPECT_EQ(lib.UnregAppInProfile(kId, "P", "Two"), 1);
  EXPECT_EQ(SubkeyNames(kHkcu, Links()), std::vector<std::string>{"One"});
  EXPECT_EQ(Support(), "C:\\One;C:\\Acad\\Support");
  EXPECT_EQ(lib.UnregAppInProfile(kId, "P", "One"), 1);
  EXPECT_FALSE(KeyExists(kHkcu, Profile(kId, "P") + "\\Arvenlo"));
  EXPECT_EQ(Support(), "C:\\Acad\\Support");
  EXPECT_TRUE(KeyExists(kHkcu, General()));
  // Nothing linked at all counts as done.
  EXPECT_EQ(lib.UnregAppInProfile(kId, "P", "One"), 1);
}

TEST_F(LinksTest, ToolbarItemKeepsTheArvenloKey) {
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "One", 0), 1);
  ASSERT_EQ(lib.RegisterPManToolbarItem(kId, "P", "Design", "Switch", "l.bmp", "s.bmp"), 1);
  EXPECT_EQ(lib.UnregAppInProfile(kId, "P", "One"), 1);
  EXPECT_FALSE(KeyExists(kHkcu, Links()));
  EXPECT_EQ(SubkeyNames(kHkcu, Profile(kId, "P") + "\\Arvenlo"),
            std::vector<std::string>{"ToolbarItem"});
  // Unlinking another that is not there still leaves an existing link alone.
  ASSERT_EQ(lib.RegisterAppInProfileEx(kId, "P", "Two", 0), 1);
  EXPECT_EQ(lib.UnregAppInProfile(kId, "P", "One"), 1);
  EXPECT_EQ(SubkeyNames(kHkcu, Links()), std::vector<std::string>{"Two"});
}

TEST_F(RegLibTest, ToolbarItemValues) {
  std::string item = Profile("AutoCAD\\R16.2\\ACAD-4001:409", "P") + "\\Arvenlo\\ToolbarItem";
  ASSERT_EQ(lib.RegisterPManToolbarItem("AutoCAD\\R16.2\\ACAD-4001:409", "P", "Design", "Help",
                                        "large.bmp", "small.bmp"),
            1);
  EXPECT_EQ(ReadString(kHkcu, item, "Name"), "Design");
  EXPECT_EQ(ReadString(kHkcu, item, "HelpString"), "Help");
  EXPECT_EQ(ReadString(kHkcu, item, "LargeIconPath"), "large.bmp");
  EXPECT_EQ(ReadString(kHkcu, item, "SmallIconPath"), "small.bmp");
  ResetRegistry();
  EXPECT_EQ(lib.RegisterPManToolbarItem("AutoCAD\\R16.2\\ACAD-4001:409", "P", "Design", "Help",
                                        "large.bmp", nullptr),
            0);
  EXPECT_EQ(ValueNames(kHkcu, item),
            (std::vector<std::string>{"HelpString", "LargeIconPath", "Name"}));
}

}  // namespace
}  // namespace regtest
