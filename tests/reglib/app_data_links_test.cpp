// Links inside an application's data folder are removed, never followed:
// what they point to stays. (Symbolic links made the posix way; the
// platform reports them as reparse points, as Windows does for junctions.)
#include <unistd.h>

#include <string>

#include "platform/files.h"
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

std::string NativePath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

TEST_F(RegLibTest, LinksAreRemovedNotFollowed) {
  std::string appData = AppDataFolder();
  std::string outside = FreshFolder("outside");
  WriteTextFile(outside + "\\precious.txt", "keep");
  std::string vendor = appData + "\\LinkVendor";
  platform::CreateFolder(vendor);
  std::string folder = vendor + "\\Tool";
  platform::CreateFolder(folder);
  ASSERT_EQ(symlink(NativePath(outside).c_str(), NativePath(folder + "\\dirlink").c_str()), 0);
  ASSERT_EQ(symlink(NativePath(outside + "\\precious.txt").c_str(),
                    NativePath(folder + "\\filelink").c_str()),
            0);
  std::string ini = FreshFolder("ini") + "\\a.ini";
  WriteTextFile(ini, "[S]\nPublisher=LinkVendor\nProductName=Tool\n");
  EXPECT_NE(lib.DeleteAppDataIniEx(ini.c_str(), "S"), 0);
  EXPECT_FALSE(PathExists(folder));
  EXPECT_TRUE(PathExists(outside + "\\precious.txt"));

  // The application's folder itself a link: the link goes, its target stays.
  ASSERT_EQ(symlink(NativePath(outside).c_str(), NativePath(folder).c_str()), 0);
  EXPECT_NE(lib.DeleteAppDataIniEx(ini.c_str(), "S"), 0);
  EXPECT_FALSE(PathExists(folder));
  EXPECT_TRUE(PathExists(outside + "\\precious.txt"));
}

}  // namespace
}  // namespace regtest
