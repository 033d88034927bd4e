// The set-up registers what AppToReg.ini beside the library lists. Only the
// Windows build has the library in a file of its own, beside this program.
#include <string>

#include "platform/files.h"
#include "platform/modules.h"
#include "platform/path.h"
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

TEST_F(RegLibTest, SetupRegistersTheApplicationsBesideTheLibrary) {
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  std::string beside = platform::FolderOf(platform::ThisModulePath());
  std::string ini = beside + "AppToReg.ini";
  std::string loader = beside + "beside-test.arx";
  WriteTextFile(loader, "x");
  WriteTextFile(ini,
                "[X\\Products\\AutoCAD\\R16.2\\Beside]\n"
                "LoaderIniRelPath=%INI_PATH%\\beside-test.arx\n"
                "[X\\Products\\AutoCAD\\R17.0\\Elsewhere]\n"
                "LoaderIniRelPath=%INI_PATH%\\beside-test.arx\n");
  std::string applications = Product(id) + "\\Applications\\Arvenlo\\Applications";
  EXPECT_EQ(lib.SetupPManEx(2, id, "", "", "", "C:\\pm.arx", 0), 1);
  EXPECT_EQ(SubkeyNames(kHklm, applications), std::vector<std::string>{"Beside"});
  EXPECT_EQ(ReadString(kHklm, applications + "\\Beside", "Loader"), loader);
  // Set up already and no overwrite: the ini is not looked at.
  DeleteTree(kHklm, applications + "\\Beside");
  EXPECT_EQ(lib.SetupPManEx(2, id, "", "", "", "C:\\pm.arx", 0), 1);
  EXPECT_FALSE(KeyExists(kHklm, applications + "\\Beside"));
  EXPECT_EQ(lib.SetupPManEx(2, id, "", "", "", "C:\\pm.arx", 1), 1);
  EXPECT_TRUE(KeyExists(kHklm, applications + "\\Beside"));
  platform::DeleteOneFile(ini);
  platform::DeleteOneFile(loader);
}

}  // namespace
}  // namespace regtest
