#include <gtest/gtest.h>

#include "model/discovery.h"
#include "model/loading.h"
#include "platform/files.h"
#include "model/products_ini.h"
#include "model/registry_paths.h"
#include "tests/model/model_fixture.h"
#ifndef _WIN32
#include "platform/posix/simulation.h"
#endif

namespace model_test {
namespace {

using model::PMAcad;

class DiscoveryTest : public ModelTest {};

TEST_F(DiscoveryTest, ProgramFileFollowsTheProductKeyName) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409]
"ProductName"="A"
"Location"="C:\\Full"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD LT\R2005\ACADLT-5001:409]
"ProductName"="B"
"Location"="C:\\Lt"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD LT\R2005\ACLT-1:409]
"ProductName"="C"
"AcadLocation"="C:\\OldLt"
)");
  std::vector<PMAcad> acads;
  ASSERT_EQ(3u, model::FindInstallations(acads));
  EXPECT_EQ("C:\\Full\\acad.exe", acads[0].m_strExe);
  EXPECT_EQ("Software\\Autodesk\\AutoCAD LT\\R2005\\ACADLT-5001:409", acads[1].m_strKey);
  EXPECT_EQ("C:\\Lt\\acadlt.exe", acads[1].m_strExe);
  EXPECT_EQ("C:\\OldLt\\aclt.exe", acads[2].m_strExe);
  for (const PMAcad& acad : acads) {
    EXPECT_EQ(0u, acad.m_nView);
    EXPECT_TRUE(acad.m_profiles.empty());
  }
}

TEST_F(DiscoveryTest, ProductWithoutNameOrFolderIsSkipped) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-1:409]
"Location"="C:\\NoName"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-2:409]
"ProductName"="No folder"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-3:409]
"ProductName"="Both folders"
"Location"="C:\\Location"
"AcadLocation"="C:\\AcadLocation"
)");
  std::vector<PMAcad> acads(2);
  ASSERT_EQ(1u, model::FindInstallations(acads));
  EXPECT_EQ("Both folders", acads[0].m_strName);
  EXPECT_EQ("C:\\Location\\acad.exe", acads[0].m_strExe);
}

TEST_F(DiscoveryTest, InHostRulesFallBackWhenLocationHasTheWrongType) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409]
"ProductName"="A"
"Location"=hex(2):43,3a,5c,45,00
"AcadLocation"="C:\\Fallback"
)");
  struct Case {
    const char* what;
    model::ReadRules rules;
    const char* exe;
  } cases[] = {
      {"manager", model::ReadRules::Manager(), "C:\\E\\acad.exe"},
      {"AutoCAD module", model::ReadRules::HostAcad(), "C:\\E\\acad.exe"},
      {"AutoCAD LT module", model::ReadRules::HostAcadLt(), "C:\\Fallback\\acad.exe"},
  };
  for (const Case& c : cases) {
    std::vector<PMAcad> acads;
    ASSERT_EQ(1u, model::FindInstallations(acads, c.rules)) << c.what;
    EXPECT_EQ(c.exe, acads[0].m_strExe) << c.what;
  }
}

TEST_F(DiscoveryTest, ScanReleaseKeepsEnumerationOrder) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-1:409]
"ProductName"="Zeta"
"Location"="C:\\1"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-2:409]
"ProductName"="Alpha"
"Location"="C:\\2"
)");
  std::vector<PMAcad> found(3);
  ASSERT_EQ(2u, model::ScanRelease(model::FamilyScans()[0], "R16.0", found));
  EXPECT_EQ("Zeta", found[0].m_strName);
  EXPECT_EQ("Alpha", found[1].m_strName);
  EXPECT_EQ(0u, model::ScanRelease(model::FamilyScans()[0], "R99.0", found));
  EXPECT_TRUE(found.empty());
}

#ifndef _WIN32
TEST_F(DiscoveryTest, ThirtyTwoBitProcessOnWow64ScansAutoCadInBothViews) {
  struct Case {
    platform::posix::ProcessKind kind;
    std::vector<std::string> expected;  // "name view"
  } cases[] = {
      {platform::posix::ProcessKind::k32BitOnWow64,
       {"Acad32 0", "Acad64 256", "Lt32 0"}},
      {platform::posix::ProcessKind::k64BitProcess, {"Acad64 0", "Lt64 0"}},
      // One view only: the Wow6432Node copies are not what it sees.
      {platform::posix::ProcessKind::k32BitOn32BitWindows, {"Acad64 0", "Lt64 0"}},
  };
  for (const Case& c : cases) {
    SetUp();
    platform::posix::SimulateProcess(platform::posix::ProcessKind::k32BitOnWow64);
    const char* text32 = R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-1:409]
"ProductName"="Acad32"
"Location"="C:\\32"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD LT\R2005\ACADLT-1:409]
"ProductName"="Lt32"
"Location"="C:\\Lt32"
)";
    const char* text64 = R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-2:409]
"ProductName"="Acad64"
"Location"="C:\\64"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD LT\R2005\ACADLT-2:409]
"ProductName"="Lt64"
"Location"="C:\\Lt64"
)";
    Import(text32, platform::kKeyWow64_32Key);
    Import(text64, platform::kKeyWow64_64Key);
    platform::posix::SimulateProcess(c.kind);
    std::vector<PMAcad> acads;
    model::FindInstallations(acads);
    std::vector<std::string> got;
    for (const PMAcad& acad : acads) got.push_back(acad.m_strName + " " + std::to_string(acad.m_nView));
    EXPECT_EQ(c.expected, got) << static_cast<int>(c.kind);
  }
}

TEST_F(DiscoveryTest, InstallationInBothViewsIsListedTwice) {
  platform::posix::SimulateProcess(platform::posix::ProcessKind::k32BitOnWow64);
  const char* text = R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-1:409]
"ProductName"="Same"
"Location"="C:\\X"
)";
  Import(text, platform::kKeyWow64_32Key);
  Import(text, platform::kKeyWow64_64Key);
  std::vector<PMAcad> acads;
  ASSERT_EQ(2u, model::FindInstallations(acads));
  EXPECT_EQ(0u, acads[0].m_nView);
  EXPECT_EQ(platform::kKeyWow64_64Key, acads[1].m_nView);
}
#endif

TEST(RegistryPaths, AcadIdAndApplicationRoot) {
  struct Case {
    const char* key;
    const char* id;
    const char* root;
  } cases[] = {
      {"Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409", "AutoCAD\\R16.0\\ACAD-201:409",
       "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\\Applications\\Arvenlo"},
      {"Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409", "AutoCAD\\R15.0\\ACAD-1:409",
       "Software\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:409\\QyApps\\Arvenlo"},
      {"Software\\Autodesk\\AutoCAD LT\\R8\\ACLT-1:409", "AutoCAD LT\\R8\\ACLT-1:409",
       "Software\\Autodesk\\AutoCAD LT\\R8\\ACLT-1:409\\QyApps\\Arvenlo"},
      {"Software\\Autodesk\\AutoCAD\\r15.0\\ACAD-1:409", "AutoCAD\\r15.0\\ACAD-1:409",
       "Software\\Autodesk\\AutoCAD\\r15.0\\ACAD-1:409\\Applications\\Arvenlo"},
      {"Software\\Autodesk\\AutoCAD\\R15.01\\ACAD-1:409", "AutoCAD\\R15.01\\ACAD-1:409",
       "Software\\Autodesk\\AutoCAD\\R15.01\\ACAD-1:409\\Applications\\Arvenlo"},
      // Every occurrence goes, not just a leading one.
      {"X\\Software\\Autodesk\\Software\\Autodesk\\Y", "X\\Y", "X\\Software\\Autodesk\\Software\\Autodesk\\Y\\Applications\\Arvenlo"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.id, model::AcadId(c.key)) << c.key;
    EXPECT_EQ(c.root, model::AppRootPath(c.key)) << c.key;
  }
  EXPECT_EQ("K\\Profiles\\P\\Arvenlo\\Applications\\A", model::LinkKeyPath("K", "P", "A"));
}

class ProductsIniTest : public ModelTest {};

TEST_F(ProductsIniTest, PlatformPassForAllInstallationsThenProductsPass) {
  std::vector<PMAcad> acads(2);
  acads[0].m_strKey = "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409";
  acads[1].m_strKey = "Software\\Autodesk\\AutoCAD\\R16.1\\ACAD-301:409";
  const std::string ini = TempFile("Products.ini",
                                   "[Platform\\AutoCAD\\R16.0\\x64]\nA=1\n"
                                   "[Setup Platform\\AutoCAD\\R16.0]\nA=1\n"
                                   "[Platform\\AutoCAD\\R16.1\\x32]\nA=1\n"
                                   "[Platform\\AutoCAD\\R16]\nA=1\n"
                                   "[Products\\AutoCAD\\R16]\nA=1\n"
                                   "[Products\\AutoCAD\\R16.0\\Tools]\nA=1\n"
                                   "[Products\\AutoCAD\\R16.1\\]\nA=1\n");
  FakeRegistration registration;
  model::RunProductsIni(acads, registration, ini);
  const std::string id0 = "AutoCAD\\R16.0\\ACAD-201:409";
  const std::string id1 = "AutoCAD\\R16.1\\ACAD-301:409";
  EXPECT_EQ((std::vector<std::string>{
                "SetupPManIni(4, " + id0 + ", " + ini + ", Platform\\AutoCAD\\R16.0\\x64, 0)",
                "SetupPManIni(2, " + id0 + ", " + ini + ", Setup Platform\\AutoCAD\\R16.0, 0)",
                "SetupPManIni(3, " + id1 + ", " + ini + ", Platform\\AutoCAD\\R16.1\\x32, 0)",
                "RegisterAppInPManIniEx(2, " + id0 + ", " + ini +
                    ", Products\\AutoCAD\\R16.0\\Tools, 0)",
                "RegisterAppInPManIniEx(2, " + id1 + ", " + ini + ", Products\\AutoCAD\\R16.1\\, 0)",
            }),
            registration.calls);
}

TEST_F(ProductsIniTest, MissingFileCallsNothing) {
  std::vector<PMAcad> acads(1);
  acads[0].m_strKey = kProductKey;
  FakeRegistration registration;
  model::RunProductsIni(acads, registration, platform::TempPath() + "arvenlo-none.ini");
  model::RunProductsIni(acads, registration, "");
  EXPECT_TRUE(registration.calls.empty());
}

TEST_F(ProductsIniTest, EveryManagerLoadRunsTheStepBeforeReading) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409]
"ProductName"="A"
"Location"="C:\\A"
)");
  const std::string ini = TempFile("Products.ini", "[Products\\AutoCAD\\R16.0\\]\nA=1\n");
  FakeRegistration registration;
  std::vector<PMAcad> acads;
  model::LoadModel(acads, registration, ini);
  model::LoadModel(acads, registration, ini);
  EXPECT_EQ(2u, registration.calls.size());
  EXPECT_EQ(std::string::npos, model::ProductsIniPath().find("..")) << model::ProductsIniPath();
  EXPECT_NE(std::string::npos, model::ProductsIniPath().find("Products.ini"));
}

TEST(PlatformMode, SectionNameChoosesTheMode) {
  EXPECT_EQ(3, model::PlatformMode("Platform\\AutoCAD\\R16.0\\x32"));
  EXPECT_EQ(4, model::PlatformMode("Platform\\AutoCAD\\R16.0\\x64"));
  EXPECT_EQ(3, model::PlatformMode("Platform\\x64\\x32"));
  EXPECT_EQ(2, model::PlatformMode("Platform\\AutoCAD\\R16.0x64"));
}

}  // namespace
}  // namespace model_test
