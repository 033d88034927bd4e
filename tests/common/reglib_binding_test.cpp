// The registration-library binding against the recording stand-in library
// (tests/fakes/reglib), copied beside or above a module path of the test's
// own choosing.
#include <gtest/gtest.h>

#include "common/reglib_binding.h"
#include "temp_folder.h"

namespace {

using common_test::ReadLines;
using common_test::SetEnvironment;
using common_test::TempFolder;

class RegLibBindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = folder_.Path("calls.log");
    SetEnvironment("ARVENLO_FAKE_REGLIB_LOG", log_);
    SetEnvironment("ARVENLO_FAKE_REGLIB_RESULT", "");
    folder_.MakeFolder("app/bin");
    module_ = folder_.Path("app/bin/Arvenlo.exe");
  }
  void TearDown() override {
    common::UnbindRegLib();
    SetEnvironment("ARVENLO_FAKE_REGLIB_LOG", "");
    SetEnvironment("ARVENLO_FAKE_REGLIB_RESULT", "");
  }

  // Calls every operation once; returns RegisterAppInProfileEx's result.
  static int CallAll() {
    common::RegisterAppInPManIniEx(2, "AutoCAD\\R16.0\\ACAD-201:409", "C:\\A\\Products.ini",
                                   "Products\\AutoCAD\\R16.0\\App", 0);
    int result = common::RegisterAppInProfileEx("AutoCAD\\R16.0\\ACAD-201:409", "Design", "App", 1);
    common::UnregAppInProfile("AutoCAD\\R16.0\\ACAD-201:409", "Design", "App");
    common::UnregAppsInProfile("AutoCAD\\R16.0\\ACAD-201:409", "Design");
    common::SetupPManIni(3, "AutoCAD\\R16.0\\ACAD-201:409", "C:\\A\\Products.ini",
                         "Platform\\x32", 1);
    common::DeleteProfileAllAcads("Design");
    common::UnregAppInPManAllAcads("App");
    return result;
  }

  TempFolder folder_;
  std::string log_;
  std::string module_;
};

const std::vector<std::string> kAllCalls = {
    "RegisterAppInPManIniEx|2|AutoCAD\\R16.0\\ACAD-201:409|C:\\A\\Products.ini|"
    "Products\\AutoCAD\\R16.0\\App|0",
    "RegisterAppInProfileEx|AutoCAD\\R16.0\\ACAD-201:409|Design|App|1",
    "UnregAppInProfile|AutoCAD\\R16.0\\ACAD-201:409|Design|App",
    "UnregAppsInProfile|AutoCAD\\R16.0\\ACAD-201:409|Design",
    "SetupPManIni|3|AutoCAD\\R16.0\\ACAD-201:409|C:\\A\\Products.ini|Platform\\x32|1",
    "DeleteProfileAllAcads|Design",
    "UnregAppInPManAllAcads|App",
};

TEST_F(RegLibBindingTest, BesideTheModuleEveryOperationReachesItsExport) {
  folder_.Copy(ARVENLO_FAKE_REGLIB, "app/bin/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  ASSERT_TRUE(common::RegLibLoaded());
  EXPECT_EQ(CallAll(), 1);
  EXPECT_EQ(ReadLines(log_), kAllCalls);
}

TEST_F(RegLibBindingTest, TheExportsResultComesBack) {
  folder_.Copy(ARVENLO_FAKE_REGLIB, "app/bin/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  SetEnvironment("ARVENLO_FAKE_REGLIB_RESULT", "0");
  EXPECT_EQ(common::RegisterAppInProfileEx("AutoCAD\\R17.0\\ACAD-5001:409", "P", "A", 0), 0);
}

TEST_F(RegLibBindingTest, OneFolderUpWhenNotBeside) {
  folder_.Copy(ARVENLO_FAKE_REGLIB, "app/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  ASSERT_TRUE(common::RegLibLoaded());
  common::DeleteProfileAllAcads("Design");
  EXPECT_EQ(ReadLines(log_), std::vector<std::string>{"DeleteProfileAllAcads|Design"});
}

TEST_F(RegLibBindingTest, TheLibraryBesideWinsOverTheOneAbove) {
  // The partial library lies beside: had the one above been bound,
  // RegisterAppInProfileEx would have been recorded.
  folder_.Copy(ARVENLO_FAKE_REGLIB_PARTIAL, "app/bin/QyVeskReg.dll");
  folder_.Copy(ARVENLO_FAKE_REGLIB, "app/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  EXPECT_EQ(common::RegisterAppInProfileEx("AutoCAD\\R16.0\\ACAD-201:409", "Design", "App", 0), 0);
  EXPECT_EQ(ReadLines(log_), std::vector<std::string>{});
}

TEST_F(RegLibBindingTest, AMissingExportIsSkippedAndTheOthersStillWork) {
  folder_.Copy(ARVENLO_FAKE_REGLIB_PARTIAL, "app/bin/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  ASSERT_TRUE(common::RegLibLoaded());
  EXPECT_EQ(CallAll(), 0);  // absent: 0
  std::vector<std::string> expected = kAllCalls;
  expected.erase(expected.begin() + 1);
  EXPECT_EQ(ReadLines(log_), expected);
}

TEST_F(RegLibBindingTest, WithoutTheLibraryEveryOperationDoesNothing) {
  folder_.Copy(ARVENLO_FAKE_REGLIB, "elsewhere/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  EXPECT_FALSE(common::RegLibLoaded());
  EXPECT_EQ(CallAll(), 0);
  EXPECT_EQ(ReadLines(log_), std::vector<std::string>{});
}

TEST_F(RegLibBindingTest, BindsOnceUntilUnbound) {
  common::BindRegLibAt(module_);  // nothing there yet
  folder_.Copy(ARVENLO_FAKE_REGLIB, "app/bin/QyVeskReg.dll");
  common::BindRegLibAt(module_);
  EXPECT_FALSE(common::RegLibLoaded());

  common::UnbindRegLib();
  common::BindRegLibAt(module_);
  EXPECT_TRUE(common::RegLibLoaded());
  common::UnbindRegLib();
  EXPECT_FALSE(common::RegLibLoaded());
  common::DeleteProfileAllAcads("Design");  // unbound: nothing
  EXPECT_EQ(ReadLines(log_), std::vector<std::string>{});
}

}  // namespace
