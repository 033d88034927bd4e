// The model as the diagnostic dump shows it, built from registry fixtures:
// the dump is what a support case sees, so most cases compare it whole.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/discovery.h"
#include "model/dump.h"
#include "model/loading.h"
#include "platform/files.h"
#include "platform/registry_key.h"
#include "tests/model/model_fixture.h"
#ifndef _WIN32
#include "platform/posix/simulation.h"
#endif

namespace model_test {
namespace {

using model::PMAcad;

constexpr const char* kAcad = R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409]
"ProductName"="AutoCAD 2005"
"Location"="C:\\Acad"
)";

// Applications A (StdLoadOrder 20), B (none), C (10), D (none), and a
// profile Design whose links have load orders 0, 3, 0, 1 in application
// order (C, A, B, D), plus a link to an application nobody registered.
constexpr const char* kOrdering = R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\A]
"Loader"="C:\\Apps\\a.arx"
"CommandGroups"="ACMDS"
"Modules"="a.arx"
"MenuGroup"="AMENU"
"MenuFile"="C:\\Apps\\a.mnu"
"Template"="a.dwt"
"Unloadable"=dword:00000001
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\B]
"Loader"="C:\\Apps\\b.arx"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\C]
"Loader"="C:\\Apps\\c.arx"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\D]
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\StdLoadOrder]
"A"=dword:00000014
"C"=dword:0000000a
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles]
@="Design"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design]
@="The designers' profile"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design\Arvenlo\Applications\A]
"LoadOrder"=dword:00000003
"MenuLoaded"=dword:00000001
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design\Arvenlo\Applications\B]
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design\Arvenlo\Applications\C]
"LoadOrder"=dword:00000000
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design\Arvenlo\Applications\D]
"LoadOrder"=dword:00000001
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design\Arvenlo\Applications\Ghost]
"LoadOrder"=dword:00000002
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Plain]
)";

class LoadingTest : public ModelTest {
 protected:
  std::string LoadAndDump() {
    model::LoadModel(acads_, registration_, "");
    return model::DumpModel(acads_);
  }
  std::vector<PMAcad> acads_;
  FakeRegistration registration_;
};

TEST_F(LoadingTest, DumpShowsApplicationsInStandardOrderAndLinksInLoadOrder) {
  Import(kAcad);
  Import(kOrdering);
  EXPECT_EQ(
      "AutoCAD 2005: Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\n"
      "Current Profile: Design\n"
      "Profiles:\n"
      "  Design\n"
      "    AppLinks:\n"
      "      D\n"
      "        StdLoadOrder=4294967295\n"
      "        LoadOrder=1\n"
      "        MenuLoaded=0\n"
      "      A\n"
      "        StdLoadOrder=20\n"
      "        LoadOrder=3\n"
      "        MenuLoaded=1\n"
      "      C\n"
      "        StdLoadOrder=10\n"
      "        LoadOrder=0\n"
      "        MenuLoaded=0\n"
      "      B\n"
      "        StdLoadOrder=4294967295\n"
      "        LoadOrder=0\n"
      "        MenuLoaded=0\n"
      "  Plain\n"
      "    AppLinks:\n"
      "Applications:\n"
      "  C\n"
      "    Loaders\n"
      "      C:\\Apps\\c.arx\n"
      "    Modules\n"
      "    CommandGroups\n"
      "    MenuGroups\n"
      "    MenuFiles\n"
      "    Template\n"
      "      \n"
      "    StdLoadOrder=10\n"
      "    Unloadable=0\n"
      "  A\n"
      "    Loaders\n"
      "      C:\\Apps\\a.arx\n"
      "    Modules\n"
      "      a.arx\n"
      "    CommandGroups\n"
      "      ACMDS\n"
      "    MenuGroups\n"
      "      AMENU\n"
      "    MenuFiles\n"
      "      C:\\Apps\\a.mnu\n"
      "    Template\n"
      "      a.dwt\n"
      "    StdLoadOrder=20\n"
      "    Unloadable=1\n"
      "  B\n"
      "    Loaders\n"
      "      C:\\Apps\\b.arx\n"
      "    Modules\n"
      "    CommandGroups\n"
      "    MenuGroups\n"
      "    MenuFiles\n"
      "    Template\n"
      "      \n"
      "    StdLoadOrder=4294967295\n"
      "    Unloadable=0\n"
      "  D\n"
      "    Loaders\n"
      "    Modules\n"
      "    CommandGroups\n"
      "    MenuGroups\n"
      "    MenuFiles\n"
      "    Template\n"
      "      \n"
      "    StdLoadOrder=4294967295\n"
      "    Unloadable=0\n"
      "\n",
      LoadAndDump());
}

TEST_F(LoadingTest, EveryProfileHasOneLinkPerApplicationPointingAtIt) {
  Import(kAcad);
  Import(kOrdering);
  LoadAndDump();
  ASSERT_EQ(1u, acads_.size());
  const PMAcad& acad = acads_[0];
  ASSERT_EQ(2u, acad.m_profiles.size());
  EXPECT_EQ("The designers' profile", acad.m_profiles[0].m_strDesc);
  for (const auto& profile : acad.m_profiles) {
    EXPECT_EQ(model::kProfileStored, profile.m_nState);
    ASSERT_EQ(acad.m_apps.size(), profile.m_links.size());
    for (const auto& link : profile.m_links) {
      ASSERT_NE(nullptr, link.m_pApp);
      EXPECT_EQ(link.m_strApp, link.m_pApp->m_strName);
      EXPECT_GE(link.m_pApp, acad.m_apps.data());
      EXPECT_LT(link.m_pApp, acad.m_apps.data() + acad.m_apps.size());
    }
  }
  // Plain enables nothing; its links stay in application order.
  std::string order;
  for (const auto& link : acad.m_profiles[1].m_links) {
    EXPECT_EQ(model::kLinkDisabled, link.m_nState);
    order += link.m_strApp;
  }
  EXPECT_EQ("CABD", order);
}

TEST_F(LoadingTest, LinkToUnregisteredApplicationIsLeftOutAndKept) {
  Import(kAcad);
  Import(kOrdering);
  std::string dump = LoadAndDump();
  EXPECT_EQ(std::string::npos, dump.find("Ghost"));
  platform::RegistryKey ghost;
  EXPECT_EQ(platform::kErrSuccess,
            ghost.Open(platform::kHkeyCurrentUser,
                       std::string(kProductKey) + "\\Profiles\\Design\\Arvenlo\\Applications\\Ghost",
                       platform::kKeyRead));
}

TEST_F(LoadingTest, LoaderListStartsWithLoaderAndNumbersFromZeroUntilAGap) {
  Import(kAcad);
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\OnlyLoader]
"Loader"="l.arx"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\OnlyNumbered]
"Loader1"="n1.arx"
"Loader0"="n0.arx"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\WithGap]
"Loader2"="g2.arx"
"Loader"="g.arx"
"Loader0"="g0.arx"
)");
  LoadAndDump();
  ASSERT_EQ(3u, acads_[0].m_apps.size());
  struct Case {
    const char* app;
    std::vector<std::string> loaders;
  } cases[] = {
      {"OnlyLoader", {"l.arx"}},
      {"OnlyNumbered", {"n0.arx", "n1.arx"}},
      {"WithGap", {"g.arx", "g0.arx"}},
  };
  for (const Case& c : cases) {
    bool found = false;
    for (const auto& app : acads_[0].m_apps) {
      if (app.m_strName != c.app) continue;
      found = true;
      EXPECT_EQ(c.loaders, app.m_astrLoaders) << c.app;
    }
    EXPECT_TRUE(found) << c.app;
  }
}

TEST_F(LoadingTest, PositionZeroAndAllOnesSortAsUnsignedNumbers) {
  Import(kAcad);
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\High]
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\None]
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\Top]
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\Zero]
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\StdLoadOrder]
"High"=dword:7fffffff
"Top"=dword:80000000
"Zero"=dword:00000000
)");
  LoadAndDump();
  std::string order;
  for (const auto& app : acads_[0].m_apps) order += app.m_strName + " ";
  EXPECT_EQ("Zero High Top None ", order);
}

TEST_F(LoadingTest, ProfilesKeyWithoutDefaultValueShowsNoProfiles) {
  Import(kAcad);
  Import(R"(
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles]
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Design]
@="exists all the same"
)");
  EXPECT_EQ(
      "AutoCAD 2005: Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\n"
      "Current Profile: \n"
      "Profiles:\n"
      "Applications:\n"
      "\n",
      LoadAndDump());
}

// A value that does not fit its fixed buffer counts as absent: 259
// characters fit a string buffer, 519 the description buffer.
TEST_F(LoadingTest, ValuesLongerThanTheirBuffersCountAsAbsent) {
  struct Case {
    std::size_t length;
    bool fits;
  } cases[] = {{259, true}, {260, false}};
  for (const Case& c : cases) {
    SetUp();
    const std::string text(c.length, 'x');
    Import(kAcad);
    Import("[HKEY_LOCAL_MACHINE\\Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Applications"
           "\\Arvenlo\\Applications\\Long]\n\"Loader\"=\"" + text + "\"\n\"Loader0\"=\"second\"\n" +
           "[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Profiles]\n"
           "@=\"" + text + "\"\n" +
           "[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Profiles\\P]\n"
           "@=\"" + std::string(c.length * 2, 'd') + "\"\n");
    LoadAndDump();
    ASSERT_EQ(1u, acads_.size());
    const PMAcad& acad = acads_[0];
    ASSERT_EQ(1u, acad.m_apps.size());
    if (c.fits) {
      EXPECT_EQ((std::vector<std::string>{text, "second"}), acad.m_apps[0].m_astrLoaders);
      EXPECT_EQ(text, acad.m_strCurProfile);
      ASSERT_EQ(1u, acad.m_profiles.size());
      EXPECT_EQ(std::string(518, 'd'), acad.m_profiles[0].m_strDesc);
    } else {
      EXPECT_EQ((std::vector<std::string>{"second"}), acad.m_apps[0].m_astrLoaders);
      EXPECT_EQ("", acad.m_strCurProfile);
      EXPECT_TRUE(acad.m_profiles.empty());
    }
    TearDown();
  }
}

TEST_F(LoadingTest, LongDescriptionIsEmptyButTheProfileIsListed) {
  Import(kAcad);
  Import("[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Profiles]\n"
         "@=\"P\"\n"
         "[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Profiles\\P]\n"
         "@=\"" + std::string(519, 'd') + "\"\n"
         "[HKEY_CURRENT_USER\\Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Profiles\\Q]\n"
         "@=\"" + std::string(520, 'd') + "\"\n");
  LoadAndDump();
  ASSERT_EQ(2u, acads_[0].m_profiles.size());
  EXPECT_EQ(std::string(519, 'd'), acads_[0].m_profiles[0].m_strDesc);
  EXPECT_EQ("", acads_[0].m_profiles[1].m_strDesc);
}

TEST_F(LoadingTest, ApplicationRootFollowsTheRelease) {
  // The installation registers one application under each root; only the
  // root its release uses counts. Key names ignore case, so each release
  // gets a registry of its own.
  struct Case {
    const char* release;
    const char* listed;
  } cases[] = {
      {"R15.0", "InQyApps"},
      {"R8", "InQyApps"},
      {"r15.0", "InApplications"},
      {"R16.0", "InApplications"},
      {"R15.01", "InApplications"},
  };
  for (const Case& c : cases) {
    SetUp();
    std::string key = std::string("HKEY_LOCAL_MACHINE\\Software\\Autodesk\\AutoCAD\\") +
                      c.release + "\\ACAD-1:409";
    Import("[" + key + "]\n\"ProductName\"=\"A\"\n\"Location\"=\"C:\\\\A\"\n" +
           "[" + key + "\\QyApps\\Arvenlo\\Applications\\InQyApps]\n" +
           "[" + key + "\\Applications\\Arvenlo\\Applications\\InApplications]\n");
    LoadAndDump();
    ASSERT_EQ(1u, acads_.size()) << c.release;
    ASSERT_EQ(1u, acads_[0].m_apps.size()) << c.release;
    EXPECT_EQ(c.listed, acads_[0].m_apps[0].m_strName) << c.release;
    TearDown();
  }
}

TEST_F(LoadingTest, InstallationsAreSortedByProductNameCaseSensitively) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R15.0\ACAD-1:409]
"ProductName"="AutoCAD 2006"
"Location"="C:\\A2006"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-2:409]
"ProductName"="AutoCAD 2004"
"Location"="C:\\A2004"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.1\ACAD-3:409]
"ProductName"="autocad 2005"
"AcadLocation"="C:\\A2005"
)");
  EXPECT_EQ(
      "AutoCAD 2004: Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-2:409\n"
      "Current Profile: \n"
      "Profiles:\n"
      "Applications:\n"
      "\n"
      "AutoCAD 2006: Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\n"
      "Current Profile: \n"
      "Profiles:\n"
      "Applications:\n"
      "\n"
      "autocad 2005: Software\\Autodesk\\AutoCAD\\R16.1\\ACAD-3:409\n"
      "Current Profile: \n"
      "Profiles:\n"
      "Applications:\n"
      "\n",
      LoadAndDump());
}

TEST_F(LoadingTest, ManagerIgnoresValueTypesButTheHostInsistsOnThem) {
  // LoadOrder stored as a 4-byte text: the manager takes its bytes as the
  // number, an in-host module treats it as missing. A REG_EXPAND_SZ loader
  // counts in the AutoCAD build only.
  Import(kAcad);
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\A]
"Loader"=hex(2):61,2e,61,72,78,00
"Unloadable"=hex:01,00,00,00
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles]
@="P"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\P\Arvenlo\Applications\A]
"LoadOrder"="abc"
)");
  struct Case {
    const char* what;
    model::ReadRules rules;
    bool hostLoad;
    std::size_t loaders;
    std::uint32_t loadOrder;
    std::int32_t unloadable;
  } cases[] = {
      {"manager", model::ReadRules::Manager(), false, 1, 0x00636261u, 1},
      {"AutoCAD module", model::ReadRules::HostAcad(), true, 1, 0, 0},
      {"AutoCAD LT module", model::ReadRules::HostAcadLt(), true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    if (c.hostLoad)
      model::LoadHostModel(acads_, kProductKey, c.rules);
    else
      model::LoadModel(acads_, registration_, "");
    ASSERT_EQ(1u, acads_.size()) << c.what;
    const PMAcad& acad = acads_[0];
    EXPECT_EQ("AutoCAD 2005", acad.m_strName) << c.what;
    ASSERT_EQ(1u, acad.m_apps.size()) << c.what;
    EXPECT_EQ(c.loaders, acad.m_apps[0].m_astrLoaders.size()) << c.what;
    EXPECT_EQ(c.unloadable, acad.m_apps[0].m_bUnloadable) << c.what;
    ASSERT_EQ(1u, acad.m_profiles.size()) << c.what;
    ASSERT_EQ(1u, acad.m_profiles[0].m_links.size()) << c.what;
    EXPECT_EQ(model::kLinkEnabled, acad.m_profiles[0].m_links[0].m_nState) << c.what;
    EXPECT_EQ(c.loadOrder, acad.m_profiles[0].m_links[0].m_nLoadOrder) << c.what;
  }
}

TEST_F(LoadingTest, HostModelHoldsOnlyTheRunningInstallation) {
  Import(kAcad);
  Import(kOrdering);
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R17.0\ACAD-5001:409]
"ProductName"="AutoCAD 2007"
"Location"="C:\\A2007"
)");
  model::LoadHostModel(acads_, kProductKey, model::ReadRules::HostAcad());
  ASSERT_EQ(1u, acads_.size());
  EXPECT_EQ(kProductKey, acads_[0].m_strKey);
  EXPECT_EQ("", acads_[0].m_strExe);
  EXPECT_EQ(0u, acads_[0].m_nView);
  std::vector<PMAcad> manager;
  model::LoadModel(manager, registration_, "");
  ASSERT_EQ(2u, manager.size());
  // Apart from the program file the host's view is the manager's.
  manager[0].m_strExe.clear();
  EXPECT_EQ(model::DumpModel({manager[0]}), model::DumpModel(acads_));
}

TEST_F(LoadingTest, HostModelOfAnUnknownProductKeyHasNoName) {
  model::LoadHostModel(acads_, "Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-9:409",
                       model::ReadRules::HostAcad());
  ASSERT_EQ(1u, acads_.size());
  EXPECT_EQ("", acads_[0].m_strName);
  EXPECT_TRUE(acads_[0].m_apps.empty());
  EXPECT_TRUE(acads_[0].m_profiles.empty());
}

TEST_F(LoadingTest, ApplicationWithoutValuesIsListedEmpty) {
  Import(kAcad);
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\Bare]
)");
  LoadAndDump();
  ASSERT_EQ(1u, acads_[0].m_apps.size());
  const auto& app = acads_[0].m_apps[0];
  EXPECT_TRUE(app.m_astrLoaders.empty());
  EXPECT_TRUE(app.m_astrModules.empty());
  EXPECT_EQ(0, app.m_bUnloadable);
  EXPECT_EQ(0xFFFFFFFFu, app.m_nStdLoadOrder);
}

TEST_F(LoadingTest, WriteDumpFileTruncatesAndWritesTheFreshModel) {
  Import(kAcad);
  Import(kOrdering);
  const std::string path = TempFile("dump.txt", std::string(100000, '#'));
  ASSERT_TRUE(model::WriteDumpFile(path));
  std::string written;
  ASSERT_TRUE(platform::ReadWholeFile(path, &written));
  EXPECT_EQ(LoadAndDump(), written);
}

TEST_F(LoadingTest, WriteDumpFileReportsAFileThatCannotBeOpened) {
  EXPECT_FALSE(model::WriteDumpFile(platform::TempPath() + "no-such-folder-arvenlo/dump.txt"));
}

#ifndef _WIN32
TEST_F(LoadingTest, UnopenableProfileEndsTheListAndUnopenableLinkStillEnables) {
  Import(kAcad);
  Import(kOrdering);
  Import(R"(
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Zoo]
)");
  const std::string profiles = std::string(kProductKey) + "\\Profiles";
  // Plain cannot be opened for writing: it and every later profile vanish.
  platform::posix::DenyAccess(platform::kHkeyCurrentUser, profiles + "\\Plain",
                              platform::kKeySetValue);
  // A's link key cannot be opened at all: A stays enabled, numbers 0.
  platform::posix::DenyAccess(platform::kHkeyCurrentUser,
                              profiles + "\\Design\\Arvenlo\\Applications\\A",
                              platform::kKeyQueryValue);
  LoadAndDump();
  ASSERT_EQ(1u, acads_[0].m_profiles.size());
  EXPECT_EQ("Design", acads_[0].m_profiles[0].m_strName);
  bool seen = false;
  for (const auto& link : acads_[0].m_profiles[0].m_links) {
    if (link.m_strApp != "A") continue;
    seen = true;
    EXPECT_EQ(model::kLinkEnabled, link.m_nState);
    EXPECT_EQ(0u, link.m_nLoadOrder);
    EXPECT_EQ(0, link.m_nMenuLoaded);
  }
  EXPECT_TRUE(seen);
}

TEST_F(LoadingTest, InHostRulesOpenProfilesForReadAndWriteOnly) {
  // The manager asks for full access; a key that grants read and write but
  // refuses the rest still shows in an in-host module.
  Import(kAcad);
  Import(kOrdering);
  platform::posix::DenyAccess(platform::kHkeyCurrentUser,
                              std::string(kProductKey) + "\\Profiles\\Design",
                              0x0020u /* KEY_CREATE_LINK */);
  model::LoadHostModel(acads_, kProductKey, model::ReadRules::HostAcadLt());
  EXPECT_EQ(2u, acads_[0].m_profiles.size());
  model::LoadModel(acads_, registration_, "");
  EXPECT_EQ(0u, acads_[0].m_profiles.size());
}
#endif

}  // namespace
}  // namespace model_test
