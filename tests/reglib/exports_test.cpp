// The exports as a caller meets them: all of them there, and null texts
// refused without being touched.
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

TEST(ExportsTest, EveryEntryPointIsFoundByName) {
  EXPECT_EQ(ExportCount(), 33);
  EXPECT_EQ(FoundExportCount(), 33);
}

TEST_F(RegLibTest, NullTextsAreRefused) {
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  char buffer[64];
  struct Call {
    const char* what;
    int result;
  };
  const Call calls[] = {
      {"RegisterAppEx", lib.RegisterAppEx(2, nullptr, 2, "A", "", "m", 0, 1)},
      {"RegisterAppEx name", lib.RegisterAppEx(2, id, 2, nullptr, "", "m", 0, 1)},
      {"RegisterAppEx module", lib.RegisterAppEx(2, id, 2, "A", "", nullptr, 0, 1)},
      {"RegisterApp", lib.RegisterApp(2, nullptr, 2, "A", "", "m", 0)},
      {"UnregApp", lib.UnregApp(2, id, nullptr, 0)},
      {"UnregAppAllAcads", lib.UnregAppAllAcads(2, nullptr, 0)},
      {"RegisterCommandEx", lib.RegisterCommandEx(2, id, "A", nullptr, "G", "L", 1)},
      {"RegisterCommand", lib.RegisterCommand(2, id, "A", "G", "N", nullptr)},
      {"AddSupportPath", lib.AddSupportPath(id, "P", nullptr)},
      {"RemoveSupportPath", lib.RemoveSupportPath(nullptr, "P", "x")},
      {"GetAppRegStringValue", lib.GetAppRegStringValue(id, "A", "Loader", nullptr, 64)},
      {"GetCurrentProfileNameEx", lib.GetCurrentProfileNameEx(id, nullptr, 64)},
      {"CopyProfileEx", lib.CopyProfileEx(id, nullptr, "D", nullptr)},
      {"CreateProfile", lib.CreateProfile(id, nullptr, nullptr)},
      {"DeleteProfile", lib.DeleteProfile(id, nullptr)},
      {"DeleteProfileAllAcads", lib.DeleteProfileAllAcads(nullptr)},
      {"SetupPManEx", lib.SetupPManEx(2, id, nullptr, nullptr, nullptr, nullptr, 1)},
      {"SetupPMan", lib.SetupPMan(2, nullptr, "a", "c", "m", "p")},
      {"SetupPManIni", lib.SetupPManIni(2, id, nullptr, "S", 1)},
      {"SetupPManIni3264", lib.SetupPManIni3264(2, id, "x.ini", nullptr, 1)},
      {"SearchNewProducts", lib.SearchNewProducts(id, nullptr, 1)},
      {"RegisterAppInPManIniEx", lib.RegisterAppInPManIniEx(2, id, "x.ini", nullptr, 1)},
      {"RegisterAppInPManIni", lib.RegisterAppInPManIni(2, nullptr, "x.ini")},
      {"DeleteAppDataIniEx", lib.DeleteAppDataIniEx(nullptr, "S")},
      {"DeleteAppDataIni", lib.DeleteAppDataIni(nullptr)},
      {"RegisterAppInPMan", lib.RegisterAppInPMan(nullptr)},
      {"UnregAppInPMan", lib.UnregAppInPMan(nullptr, "A")},
      {"UnregAppInPManAllAcads", lib.UnregAppInPManAllAcads(nullptr)},
      {"RegisterAppInProfileEx", lib.RegisterAppInProfileEx(id, nullptr, "A", 0)},
      {"RegisterAppInProfile", lib.RegisterAppInProfile(id, "P", nullptr)},
      {"UnregAppInProfile", lib.UnregAppInProfile(nullptr, "P", "A")},
      {"RegisterPManToolbarItem",
       lib.RegisterPManToolbarItem(id, nullptr, "n", "h", "l", "s")},
  };
  for (const Call& call : calls) EXPECT_EQ(call.result, 0) << call.what;
  // Its success is 0, so a missing argument is reported as an error code.
  EXPECT_NE(lib.UnregAppsInProfile(id, nullptr), 0);
  EXPECT_EQ(lib.GetNextAutoDeskProduct(buffer, buffer, buffer, buffer, nullptr), 0);
  EXPECT_TRUE(SubkeyNames(kHklm, "Software\\Autodesk").empty());
  EXPECT_TRUE(SubkeyNames(kHkcu, "Software\\Autodesk").empty());
}

}  // namespace
}  // namespace regtest
