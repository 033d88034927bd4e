#include <gtest/gtest.h>

#include "model/menu_files.h"
#include "model/menu_groups.h"
#include "model/registry_paths.h"
#include "platform/registry_key.h"
#include "tests/model/model_fixture.h"

namespace model_test {
namespace {

class MenuTest : public ModelTest {
 protected:
  std::string ProfilePath() { return model::ProfileKeyPath(kProductKey, "P"); }
  platform::RegistryKey OpenProfile() {
    platform::RegistryKey key;
    EXPECT_EQ(platform::kErrSuccess, key.Open(platform::kHkeyCurrentUser, ProfilePath(),
                                              platform::kKeyRead | platform::kKeyWrite));
    return key;
  }
  std::string Menus() { return ExportCurrentUser(ProfilePath() + "\\Menus"); }
};

TEST_F(MenuTest, PopNumbersComeFromUpToThreeDigitsAfterTheHeader) {
  struct Case {
    const char* line;
    int number;  // -1: not a header
  } cases[] = {
      {"***POP1", 1},     {"***pop12", 12},   {"***POP1234", 123}, {"***POP0", 0},
      {"***POP500", 500}, {"***POP", 0},      {"***POPx", 0},      {"**POP3", -1},
      {" ***POP3", -1},   {"***POP07 x", 7},  {"***TOOLBARS", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.number, model::PopNumber(c.line)) << c.line;

  const std::string file = TempFile("a.mnu",
                                    "***MENUGROUP=A\r\n***POP1\r\n**A\r\n***pop12\r\n"
                                    "***POP0\r\n***POP500\r\n***POP\r\n***POP1234\r\n***POP499\n");
  std::vector<int> numbers{42};
  EXPECT_EQ(4u, model::ReadPopNumbers(file, numbers));
  EXPECT_EQ((std::vector<int>{1, 12, 123, 499}), numbers);
  EXPECT_EQ(0u, model::ReadPopNumbers(file + ".missing", numbers));
}

TEST_F(MenuTest, ShortcutMenuTitlesAreTheFirstBracketsAfterTheirHeader) {
  const std::string file = TempFile("t.mnu",
                                    "***POP1\n"
                                    "[Pull-down]\n"
                                    "***POP500\n"
                                    "**CURSOR\n"
                                    "[Cursor menu]\n"
                                    "[not a title]\n"
                                    "***POP501\n"
                                    "no title here [only opening\n"
                                    "***POP2\n"
                                    "[Stands in for 501]\n"
                                    "***POP502\n"
                                    "]x[Last]\n");
  std::vector<std::string> titles;
  EXPECT_EQ(3u, model::ReadPopTitles(file, titles));
  EXPECT_EQ((std::vector<std::string>{"Cursor menu", "Stands in for 501", "Last"}), titles);
}

TEST_F(MenuTest, ShowToolbarMarkersNameTheToolbarDefinedLast) {
  const std::string file = TempFile("s.mnu",
                                    "// arvenlo:showtoolbar before the section\n"
                                    "***TOOLBARS\n"
                                    "// Arvenlo:ShowToolbar\n"
                                    "**TB_DRAW\n"
                                    "ID_Draw [_Toolbar(\"Draw\", _Top, _Show, 0, 0, 1)]\n"
                                    "// Arvenlo:ShowToolbar\n"
                                    "// ARVENLO:SHOWTOOLBAR\n"
                                    "ID_Bad [_Toolbar( \"Spaced\", _Top)]\n"
                                    "ID_Edit [_Toolbar(\"Edit\", _Left)]\n"
                                    "  // Arvenlo:ShowToolbar indented is no marker\n"
                                    "// Arvenlo:ShowToolbar\n"
                                    "***HELPSTRINGS\n"
                                    "// Arvenlo:ShowToolbar after the section\n");
  std::vector<std::string> toolbars;
  EXPECT_EQ(5u, model::ReadShowToolbars(file, toolbars));
  EXPECT_EQ((std::vector<std::string>{"", "", "Draw", "Draw", "Edit"}), toolbars);
}

TEST_F(MenuTest, NewGroupGoesAfterTheHighestGroupAndPullDown) {
  const std::string menu = TempFile("tools.mnu", "***POP1\n[Tools]\n***POP3\n***POP501\n");
  Import("[HKEY_CURRENT_USER\\" + ProfilePath() + "\\Menus]\n"
         "\"Group1\"=\"ACAD acad\"\n"
         "\"Group7\"=\"EXPRESS express\"\n"
         "\"Pop2\"=\"ACAD Pop2\"\n"
         "\"Pop12\"=\"EXPRESS Pop1\"\n"
         "\"Pop600\"=\"ACAD Pop600\"\n"
         "\"GroupX\"=dword:00000063\n");
  platform::RegistryKey profile = OpenProfile();
  int maxGroup = 0;
  int maxPop = 0;
  EXPECT_EQ(0, model::FindMenuGroup(profile.handle(), "TOOLS " + menu.substr(0, menu.size() - 4),
                                    maxGroup, maxPop));
  EXPECT_EQ(7, maxGroup);
  EXPECT_EQ(12, maxPop);
  EXPECT_EQ(1, model::WriteMenuGroup(profile.handle(), "TOOLS", menu, maxGroup + 1, maxPop));
  platform::RegistryKey key;
  ASSERT_EQ(platform::kErrSuccess,
            key.Open(platform::kHkeyCurrentUser, ProfilePath() + "\\Menus", platform::kKeyRead));
  EXPECT_EQ("TOOLS " + menu, key.ReadString("Group8", 1024).value_or("<none>"));
  EXPECT_EQ("TOOLS Pop1", key.ReadString("Pop13").value_or("<none>"));
  EXPECT_EQ("TOOLS Pop3", key.ReadString("Pop14").value_or("<none>"));
  EXPECT_FALSE(key.ReadString("Pop15").has_value());
}

TEST_F(MenuTest, GroupMatchesWhenItsDataStartsWithTheEntryInAnyCase) {
  Import("[HKEY_CURRENT_USER\\" + ProfilePath() + "\\Menus]\n"
         "\"group3\"=\"Tools C:\\\\Menus\\\\tools-extended\"\n");
  platform::RegistryKey profile = OpenProfile();
  struct Case {
    const char* entry;
    int found;
  } cases[] = {
      {"TOOLS c:\\menus\\tools", 1},
      {"Tools C:\\Menus\\tools-extended", 1},
      {"Tools C:\\Menus\\tools-extended-more", 0},
      {"Other C:\\Menus\\tools", 0},
  };
  for (const Case& c : cases) {
    int maxGroup = 0;
    int maxPop = 0;
    EXPECT_EQ(c.found, model::FindMenuGroup(profile.handle(), c.entry, maxGroup, maxPop))
        << c.entry;
  }
}

TEST_F(MenuTest, ValueTooLongForTheBufferDoesNotHideLaterGroups) {
  // Stopping at the long value would miss Group5, and the next group would
  // be written over it.
  Import("[HKEY_CURRENT_USER\\" + ProfilePath() + "\\Menus]\n"
         "\"Group1\"=\"ACAD acad\"\n"
         "\"Group2\"=\"LONG " + std::string(600, 'x') + "\"\n"
         "\"Group5\"=\"EXPRESS express\"\n"
         "\"Pop9\"=\"EXPRESS Pop1\"\n");
  platform::RegistryKey profile = OpenProfile();
  int maxGroup = 0;
  int maxPop = 0;
  EXPECT_EQ(0, model::FindMenuGroup(profile.handle(), "NEW new", maxGroup, maxPop));
  EXPECT_EQ(5, maxGroup);
  EXPECT_EQ(9, maxPop);
  EXPECT_EQ(1, model::FindMenuGroup(profile.handle(), "express EXPRESS", maxGroup, maxPop));
}

TEST_F(MenuTest, WithoutAMenusKeyNothingIsFoundOrWritten) {
  Import("[HKEY_CURRENT_USER\\" + ProfilePath() + "]\n");
  platform::RegistryKey profile = OpenProfile();
  int maxGroup = 0;
  int maxPop = 0;
  EXPECT_EQ(0, model::FindMenuGroup(profile.handle(), "A a", maxGroup, maxPop));
  EXPECT_EQ(0, model::WriteMenuGroup(profile.handle(), "A", "a.mnu", 1, 0));
  EXPECT_EQ("", Menus());
}

TEST_F(MenuTest, LoadLtMenusAddsGroupsOfEnabledApplicationsNotLoadedYet) {
  const std::string menuA = TempFile("a.mnu", "***POP1\n***POP2\n");
  const std::string menuB = TempFile("b.mns", "***POP1\n");
  Import("[HKEY_CURRENT_USER\\" + ProfilePath() + "\\Menus]\n"
         "\"Group1\"=\"ACLT aclt\"\n"
         "\"Pop1\"=\"ACLT Pop1\"\n");
  std::vector<model::PMApplication> apps(5);
  const char* names[] = {"A", "B", "Loaded", "Off", "NoFile"};
  for (int i = 0; i < 5; ++i) {
    apps[i].m_strName = names[i];
    apps[i].m_astrMenuGroups = {std::string("G") + names[i]};
    apps[i].m_astrMenuFiles = {i == 1 ? menuB : menuA};
  }
  apps[4].m_astrMenuFiles.clear();
  std::vector<model::PMAcadAppLink> links(5);
  for (int i = 0; i < 5; ++i) {
    links[i].m_strApp = names[4 - i];
    links[i].m_nState = model::kLinkEnabled;
  }
  links[2].m_nMenuLoaded = 1;  // Loaded
  links[1].m_nState = model::kLinkDisabled;  // Off
  model::LoadLtMenus(apps, links, ProfilePath());
  model::LoadLtMenus(apps, links, ProfilePath());  // a second time adds nothing

  platform::RegistryKey key;
  ASSERT_EQ(platform::kErrSuccess,
            key.Open(platform::kHkeyCurrentUser, ProfilePath() + "\\Menus", platform::kKeyRead));
  EXPECT_EQ("GA " + menuA, key.ReadString("Group2", 1024).value_or("<none>"));
  EXPECT_EQ("GA Pop1", key.ReadString("Pop2").value_or("<none>"));
  EXPECT_EQ("GA Pop2", key.ReadString("Pop3").value_or("<none>"));
  EXPECT_EQ("GB " + menuB, key.ReadString("Group3", 1024).value_or("<none>"));
  EXPECT_EQ("GB Pop1", key.ReadString("Pop4").value_or("<none>"));
  EXPECT_FALSE(key.ReadString("Group4").has_value());
  EXPECT_FALSE(key.ReadString("Pop5").has_value());
}

}  // namespace
}  // namespace model_test
