// Removing an application's per-user data folder, and only that folder.
#include <string>

#include "platform/file_writable.h"
#include "platform/files.h"
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

class AppDataTest : public RegLibTest {
 protected:
  void SetUp() override {
    RegLibTest::SetUp();
    appData_ = AppDataFolder();
    ASSERT_FALSE(appData_.empty());
    ini_ = FreshFolder("ini") + "\\AppToReg.ini";
  }
  // AppData\<publisher>\<product> with a file, a read-only file and a subfolder.
  std::string MakeAppFolder(const std::string& publisher, const std::string& product) {
    std::string vendor = appData_ + "\\" + publisher;
    platform::CreateFolder(vendor);
    std::string folder = vendor + "\\" + product;
    platform::CreateFolder(folder);
    platform::CreateFolder(folder + "\\Menus");
    WriteTextFile(folder + "\\Menus\\app.mnu", "menu");
    WriteTextFile(folder + "\\settings.txt", "x");
    return folder;
  }
  void Ini(const std::string& text) { WriteTextFile(ini_, text); }
  std::string appData_;
  std::string ini_;
};

TEST_F(AppDataTest, RemovesTheFolderWithEverythingInIt) {
  std::string folder = MakeAppFolder("ArvenloTestVendor", "Tool");
  std::string keep = MakeAppFolder("ArvenloTestVendor", "Other");
  Ini("[S]\nPublisher=ArvenloTestVendor\nProductName=Tool\n");
  EXPECT_NE(lib.DeleteAppDataIniEx(ini_.c_str(), "S"), 0);
  EXPECT_FALSE(PathExists(folder));
  EXPECT_TRUE(PathExists(keep + "\\settings.txt"));
  // Gone already: nothing to remove.
  EXPECT_EQ(lib.DeleteAppDataIniEx(ini_.c_str(), "S"), 0);
}

TEST_F(AppDataTest, ReadOnlyFilesAreDeletedToo) {
  std::string folder = MakeAppFolder("ArvenloTestVendor", "Locked");
  std::string file = folder + "\\Menus\\app.mnu";
  ASSERT_TRUE(platform::MakeReadOnly(file));
  ASSERT_TRUE(platform::FileAttributes(file) & platform::kAttrReadOnly);
  Ini("[\\Arvenlo]\nPublisher=ArvenloTestVendor\nProductName=Locked\n");
  EXPECT_NE(lib.DeleteAppDataIni(ini_.c_str()), 0);
  EXPECT_FALSE(PathExists(folder));
}

TEST_F(AppDataTest, NamesThatLeaveTheApplicationsFolderAreRefused) {
  std::string folder = MakeAppFolder("ArvenloTestVendor", "Tool");
  struct Case {
    const char* publisher;
    const char* product;
  };
  const Case cases[] = {
      {"", "Tool"},
      {"ArvenloTestVendor", ""},
      {".", "ArvenloTestVendor"},
      {"ArvenloTestVendor", "."},
      {"ArvenloTestVendor", ".."},
      {"..", "ArvenloTestVendor"},
      {"ArvenloTestVendor\\Tool", "Menus"},
      {"ArvenloTestVendor", "Tool\\Menus"},
      {"ArvenloTestVendor", "Tool/Menus"},
      {"C:", "Tool"},
      {"ArvenloTestVendor", "C:\\Windows"},
  };
  for (const Case& c : cases) {
    Ini(std::string("[S]\nPublisher=") + c.publisher + "\nProductName=" + c.product + "\n");
    EXPECT_EQ(lib.DeleteAppDataIniEx(ini_.c_str(), "S"), 0) << c.publisher << " | " << c.product;
    EXPECT_TRUE(PathExists(folder + "\\Menus\\app.mnu")) << c.publisher << " | " << c.product;
  }
}

}  // namespace
}  // namespace regtest
