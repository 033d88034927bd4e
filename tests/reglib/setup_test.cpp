// Setting Arvenlo up for an installation, and registering applications from
// sections of a registration ini: placeholders, the three ways to find the
// loader, and which sections belong to an installation.
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

const char* const kId = "AutoCAD\\R16.2\\ACAD-4001:409";

std::string Root(const std::string& id = kId) { return Product(id) + "\\Applications\\Arvenlo"; }
std::string Record(const std::string& app) { return Root() + "\\Applications\\" + app; }
std::string DemandLoad(const std::string& app) {
  return Product(kId) + "\\Applications\\" + app;
}

class IniTest : public RegLibTest {
 protected:
  void SetUp() override {
    RegLibTest::SetUp();
    folder_ = FreshFolder("ini");
    ini_ = folder_ + "\\AppToReg.ini";
  }
  void Ini(const std::string& text) { WriteTextFile(ini_, text); }
  std::string File(const std::string& name) {
    std::string path = folder_ + "\\" + name;
    WriteTextFile(path, "x");
    return path;
  }
  std::string folder_;
  std::string ini_;
};

TEST_F(RegLibTest, SetupValuesAndTheOverwriteFlag) {
  ASSERT_EQ(lib.SetupPManEx(2, kId, "C:\\ae.arx", "", nullptr, "C:\\pm.arx", 0), 1);
  EXPECT_EQ(ValueNames(kHklm, Root()), (std::vector<std::string>{"AePath", "PmPath"}));
  EXPECT_EQ(ReadString(kHklm, Root(), "AePath"), "C:\\ae.arx");
  // Set up already: without overwrite nothing is written.
  ASSERT_EQ(lib.SetupPManEx(2, kId, "C:\\ae2.arx", "C:\\ce.arx", "C:\\m.mnu", "C:\\pm2.arx", 0), 1);
  EXPECT_EQ(ReadString(kHklm, Root(), "PmPath"), "C:\\pm.arx");
  EXPECT_FALSE(ReadString(kHklm, Root(), "CePath"));
  ASSERT_EQ(lib.SetupPMan(2, kId, "C:\\ae2.arx", "C:\\ce.arx", "C:\\m.mnu", "C:\\pm2.arx"), 1);
  EXPECT_EQ(ReadString(kHklm, Root(), "PmPath"), "C:\\pm2.arx");
  EXPECT_EQ(ReadString(kHklm, Root(), "CePath"), "C:\\ce.arx");
  EXPECT_EQ(ReadString(kHklm, Root(), "MenuPath"), "C:\\m.mnu");
  // Older releases keep the root below QyApps; refused targets write nothing.
  ASSERT_EQ(lib.SetupPMan(1, "AutoCAD\\R15.0\\ACAD-1:409", "", "", "", "C:\\pm.arx"), 1);
  EXPECT_EQ(ReadString(kHkcu, Product("AutoCAD\\R15.0\\ACAD-1:409") + "\\QyApps\\Arvenlo", "PmPath"),
            "C:\\pm.arx");
  EXPECT_EQ(lib.SetupPMan(3, "AutoCAD\\R17.1\\ACAD-1:409", "", "", "", "C:\\pm.arx"), 0);
  EXPECT_FALSE(KeyExists(kHklm, Product("AutoCAD\\R17.1\\ACAD-1:409")));
}

TEST_F(IniTest, SetupFromASection) {
  Ini("[Platform\\AutoCAD\\R16.2]\n"
      "PmPath=%INI_PATH%\\Arvenlo.arx\n"
      "StarterPath=%INI_PATH%\\Arvenlo.dbx\n"
      "MenuPath=%INI_PATH%\\qyvesk.mnu\n");
  ASSERT_EQ(lib.SetupPManIni(2, kId, ini_.c_str(), "Platform\\AutoCAD\\R16.2", 0), 1);
  EXPECT_EQ(ReadString(kHklm, Root(), "PmPath"), folder_ + "\\Arvenlo.arx");
  EXPECT_EQ(ReadString(kHklm, Root(), "MenuPath"), folder_ + "\\qyvesk.mnu");
  EXPECT_EQ(ReadDword(kHklm, DemandLoad("ArvenloStarter"), "LOADCTRLS"), 2u);
  EXPECT_EQ(ReadString(kHklm, DemandLoad("ArvenloStarter"), "LOADER"), folder_ + "\\Arvenlo.dbx");
  EXPECT_EQ(ReadString(kHklm, DemandLoad("ArvenloStarter"), "DESCRIPTION"), "Arvenlo Starter");
  EXPECT_EQ(ReadDword(kHklm, DemandLoad("Arvenlo"), "LOADCTRLS"), 12u);
  EXPECT_EQ(ReadString(kHklm, DemandLoad("Arvenlo"), "LOADER"), folder_ + "\\Arvenlo.arx");
  EXPECT_EQ(ReadString(kHklm, DemandLoad("Arvenlo") + "\\Commands", "VOKT0003_CHANGEPROFILE"),
            "QYCHANGEPROFILE");
  EXPECT_EQ(ReadString(kHklm, DemandLoad("Arvenlo") + "\\Groups", "VOKT0003_QYVESK"),
            "VOKT0003_QYVESK");
  // Again without overwrite, from a changed section: nothing changes.
  Ini("[Platform\\AutoCAD\\R16.2]\nPmPath=C:\\other.arx\nStarterPath=C:\\other.dbx\n");
  ASSERT_EQ(lib.SetupPManIni(2, kId, ini_.c_str(), "Platform\\AutoCAD\\R16.2", 0), 1);
  EXPECT_EQ(ReadString(kHklm, Root(), "PmPath"), folder_ + "\\Arvenlo.arx");
  EXPECT_EQ(ReadString(kHklm, DemandLoad("ArvenloStarter"), "LOADER"), folder_ + "\\Arvenlo.dbx");
}

TEST_F(IniTest, SetupStopsAtTheFirstMissingPath) {
  Ini("[NoPm]\nStarterPath=C:\\s.dbx\n[NoStarter]\nPmPath=C:\\pm.arx\n");
  EXPECT_EQ(lib.SetupPManIni(2, kId, ini_.c_str(), "NoPm", 1), 0);
  EXPECT_FALSE(KeyExists(kHklm, Product(kId)));
  EXPECT_EQ(lib.SetupPManIni(2, kId, ini_.c_str(), "NoStarter", 1), 0);
  EXPECT_EQ(ReadString(kHklm, Root(), "PmPath"), "C:\\pm.arx");
  EXPECT_FALSE(KeyExists(kHklm, DemandLoad("ArvenloStarter")));
  EXPECT_FALSE(KeyExists(kHklm, DemandLoad("Arvenlo") + "\\Commands"));
}

TEST_F(IniTest, SetupSectionFor64BitWindows) {
  Ini("[Setup\\x64]\nPmPath=C:\\pm64.arx\nStarterPath=C:\\s.dbx\n"
      "[Setup\\x32]\nPmPath=C:\\pm32.arx\nStarterPath=C:\\s.dbx\n");
  ASSERT_EQ(lib.SetupPManIni3264(4, kId, ini_.c_str(), "Setup", 1), 1);
  EXPECT_EQ(ReadString(kHklm, Root(), "PmPath"), "C:\\pm64.arx");
}

TEST_F(IniTest, PlaceholdersReplaceOnlyTheFirstOne) {
  struct Case {
    const char* value;
    std::string expanded;
  };
  const Case cases[] = {
      {"%INI_PATH%\\bin\\mod.arx", folder_ + "\\bin\\mod.arx"},
      {"%ACAD_KEY%\\x;%INI_PATH%", Product(kId) + "\\x;%INI_PATH%"},
      {"%INI_PATH%;%INI_PATH%", folder_ + ";%INI_PATH%"},
      {"a%LOADER_PATH%b", "ab"},  // no loader in a set-up section
      {"%OTHER%\\x", "%OTHER%\\x"},
  };
  for (const Case& c : cases) {
    Ini(std::string("[S]\nPmPath=C:\\pm.arx\nStarterPath=C:\\s.dbx\nAePath=") + c.value + "\n");
    ASSERT_EQ(lib.SetupPManIni(2, kId, ini_.c_str(), "S", 1), 1) << c.value;
    EXPECT_EQ(ReadString(kHklm, Root(), "AePath"), c.expanded) << c.value;
  }
}

TEST_F(IniTest, LoaderFromARegistryFolder) {
  std::string loader = folder_ + "\\sub\\a.arx";
  platform::CreateFolder(folder_ + "\\sub");
  WriteTextFile(loader, "x");
  WriteString(kHklm, Product(kId) + "\\X", "Folder", folder_ + "\\");
  Ini("[P\\Tool]\n"
      "LoaderPathRegKey=HKEY_LOCAL_MACHINE\\%ACAD_KEY%\\X\n"
      "LoaderPathRegValue=Folder\nLoaderFileSubDir=sub\nLoaderFileName=a.arx\n"
      "MenuFile=%LOADER_PATH%\\tool.mnu\nMenuGroup=TOOL\n");
  ASSERT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "P\\Tool", 0), 1);
  EXPECT_EQ(ReadString(kHklm, Record("Tool"), "Loader"), loader);
  EXPECT_EQ(ReadString(kHklm, Record("Tool"), "MenuFile"), folder_ + "\\sub\\tool.mnu");
}

TEST_F(IniTest, LoaderMethodsAndTheirPrecedence) {
  std::string a = File("a.arx");
  std::string b = File("b.arx");
  std::string c = File("c.arx");
  WriteString(kHkcu, "Software\\ArvenloTest", "Folder", folder_);
  WriteString(kHkcu, "Software\\ArvenloTest", "Full", b);
  const std::string methodA =
      "LoaderPathRegKey=HKEY_CURRENT_USER\\Software\\ArvenloTest\n"
      "LoaderPathRegValue=Folder\nLoaderFileName=a.arx\n";
  const std::string methodB =
      "LoaderFullPathRegKey=HKEY_CURRENT_USER\\Software\\ArvenloTest\n"
      "LoaderFullPathRegValue=Full\n";
  const std::string methodC = "LoaderIniRelPath=%INI_PATH%\\c.arx\n";
  struct Case {
    std::string keys;
    std::string loader;  // empty: not registered
  };
  const std::vector<Case> cases = {
      {methodA, a},
      {methodB, b},
      {methodC, c},
      {methodA + methodB + methodC, b},
      {methodA + methodC, a},
      {"LoaderPathRegKey=SOMEWHERE\\Software\\ArvenloTest\nLoaderPathRegValue=Folder\n"
       "LoaderFileName=a.arx\n" + methodC,
       c},
      {"LoaderFullPathRegKey=HKEY_CURRENT_USER\\Software\\ArvenloTest\n"
       "LoaderFullPathRegValue=Missing\n" + methodC,
       c},
      {"LoaderIniRelPath=%INI_PATH%\\missing.arx\n", ""},
      {"", ""},
  };
  for (const Case& k : cases) {
    ResetRegistry();
    WriteString(kHkcu, "Software\\ArvenloTest", "Folder", folder_);
    WriteString(kHkcu, "Software\\ArvenloTest", "Full", b);
    Ini("[P\\Tool]\n" + k.keys);
    EXPECT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "P\\Tool", 1),
              k.loader.empty() ? 0 : 1)
        << k.keys;
    if (k.loader.empty())
      EXPECT_FALSE(KeyExists(kHklm, Record("Tool"))) << k.keys;
    else
      EXPECT_EQ(ReadString(kHklm, Record("Tool"), "Loader"), k.loader) << k.keys;
  }
}

TEST_F(IniTest, SectionBecomesTheRecordAndTheLink) {
  std::string loader = File("tool.arx");
  Ini("[X\\Products\\AutoCAD\\R16.2\\Tool]\n"
      "LoaderIniRelPath=%INI_PATH%\\tool.arx\n"
      "Publisher=Vendor\nModules=tool.arx\nCommandGroups=TOOLCMD\n"
      "MenuGroup=TOOL\nMenuFile=%LOADER_PATH%\\tool.mnu\nPerUserMenu=1\n"
      "PerUserCopyMask=*.mnu\nTemplate=%INI_PATH%\\t.dwt\nUnloadable=1\n"
      "LargeIconName=l.ico\nSmallIconName=%LOADER_PATH%\\s.ico\nShortcutIconName=c.ico\n"
      "SupportPath=%LOADER_PATH%\\Support\nProfile=Design\nKeepProfileApps=1\n");
  WriteString(kHkcu, Profile(kId, "Design") + "\\General", "ACAD", "C:\\A");
  WriteString(kHkcu, Profile(kId, "Design") + "\\Arvenlo\\Applications\\Other", "x", "y");
  ASSERT_EQ(lib.RegisterAppInPManIniEx(1, kId, ini_.c_str(), "X\\Products\\AutoCAD\\R16.2\\Tool",
                                       0),
            1);
  // The record goes to the local machine whatever the target.
  const std::string r = Record("Tool");
  EXPECT_EQ(ReadString(kHklm, r, "Loader"), loader);
  EXPECT_EQ(ReadString(kHklm, r, "Publisher"), "Vendor");
  EXPECT_EQ(ReadString(kHklm, r, "Modules"), "tool.arx");
  EXPECT_EQ(ReadString(kHklm, r, "CommandGroups"), "TOOLCMD");
  EXPECT_EQ(ReadString(kHklm, r, "MenuGroup"), "TOOL");
  EXPECT_EQ(ReadString(kHklm, r, "MenuFile"), folder_ + "\\tool.mnu");
  EXPECT_EQ(ReadDword(kHklm, r, "PerUserMenu"), 1u);
  EXPECT_EQ(ReadString(kHklm, r, "PerUserCopyMask"), "*.mnu");
  EXPECT_EQ(ReadString(kHklm, r, "Template"), folder_ + "\\t.dwt");
  EXPECT_EQ(ReadDword(kHklm, r, "Unloadable"), 1u);
  EXPECT_EQ(ReadString(kHklm, r, "SmallIconName"), folder_ + "\\s.ico");
  EXPECT_EQ(ReadString(kHklm, r, "SupportPath"), folder_ + "\\Support");
  EXPECT_FALSE(ReadString(kHklm, r, "Description"));
  EXPECT_EQ(SubkeyNames(kHkcu, Profile(kId, "Design") + "\\Arvenlo\\Applications"),
            (std::vector<std::string>{"Other", "Tool"}));
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Design") + "\\General", "ACAD"),
            folder_ + "\\Support;C:\\A");
}

TEST_F(IniTest, ExclusiveProfileLinkAndProductName) {
  File("tool.arx");
  Ini("[Any\\Section]\nProductName=Named\nLoaderIniRelPath=%INI_PATH%\\tool.arx\n"
      "Profile=Design\nKeepProfileApps=0\n");
  WriteString(kHkcu, Profile(kId, "Design") + "\\Arvenlo\\Applications\\Other", "x", "y");
  ASSERT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "Any\\Section", 0), 1);
  EXPECT_TRUE(KeyExists(kHklm, Record("Named")));
  EXPECT_EQ(SubkeyNames(kHkcu, Profile(kId, "Design") + "\\Arvenlo\\Applications"),
            std::vector<std::string>{"Named"});
  // Without a product name and without a backslash there is no name.
  EXPECT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "Plain", 1), 0);
  // A refused target registers nothing.
  EXPECT_EQ(lib.RegisterAppInPManIniEx(3, kId, ini_.c_str(), "Any\\Section", 1), 0);
}

TEST_F(IniTest, ExistingRecordWithoutOverwriteIsKept) {
  File("tool.arx");
  File("new.arx");
  Ini("[S\\Tool]\nLoaderIniRelPath=%INI_PATH%\\tool.arx\n");
  ASSERT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "S\\Tool", 0), 1);
  Ini("[S\\Tool]\nLoaderIniRelPath=%INI_PATH%\\new.arx\n");
  ASSERT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "S\\Tool", 0), 1);
  EXPECT_EQ(ReadString(kHklm, Record("Tool"), "Loader"), folder_ + "\\tool.arx");
  ASSERT_EQ(lib.RegisterAppInPManIniEx(2, kId, ini_.c_str(), "S\\Tool", 1), 1);
  EXPECT_EQ(ReadString(kHklm, Record("Tool"), "Loader"), folder_ + "\\new.arx");
  // The short form reads the section "\Arvenlo".
  Ini("[\\Arvenlo]\nLoaderIniRelPath=%INI_PATH%\\tool.arx\n");
  ASSERT_EQ(lib.RegisterAppInPManIni(2, kId, ini_.c_str()), 1);
  EXPECT_EQ(ReadString(kHklm, Record("Arvenlo"), "Loader"), folder_ + "\\tool.arx");
}

TEST_F(IniTest, SearchNewProductsTakesTheInstallationsSections) {
  File("tool.arx");
  std::string text;
  // Enough other sections that the list of names outgrows its first buffer.
  for (int i = 0; i < 300; ++i)
    text += "[Filler\\Products\\AutoCAD\\R9.9\\Section" + std::to_string(i) + "]\nx=1\n";
  const char* sections[] = {
      "A\\Products\\AutoCAD\\R16.2\\First", "X\\Products\\AutoCAD LT\\R16.2\\Lt",
      "X\\Products\\AutoCAD\\R16.1\\Older", "x\\products\\autocad\\r16.2\\Lower",
      "B\\Products\\AutoCAD\\R16.2\\Last",
  };
  for (const char* s : sections)
    text += std::string("[") + s + "]\nLoaderIniRelPath=%INI_PATH%\\tool.arx\n";
  Ini(text);
  ASSERT_EQ(lib.SearchNewProducts(kId, ini_.c_str(), 0), 1);
  EXPECT_EQ(SubkeyNames(kHklm, Root() + "\\Applications"),
            (std::vector<std::string>{"First", "Last"}));
  EXPECT_EQ(lib.SearchNewProducts(kId, (folder_ + "\\missing.ini").c_str(), 0), 1);
}

}  // namespace
}  // namespace regtest
