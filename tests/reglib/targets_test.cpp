// Target codes as a 64-bit process on 64-bit Windows sees them (the build
// that runs under Wine, and the in-memory registry's default).
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

TEST_F(RegLibTest, TargetCodesOn64BitWindows) {
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  std::string entry = Product(id) + "\\Applications\\Tool";
  struct Case {
    int target;
    int result;
    RegHandle root;
  };
  const Case cases[] = {{0, 0, 0}, {1, 1, kHkcu}, {2, 1, kHklm}, {3, 0, 0}, {4, 1, kHklm},
                        {5, 0, 0}, {-1, 0, 0}};
  for (const Case& c : cases) {
    ResetRegistry();
    EXPECT_EQ(lib.RegisterAppEx(c.target, id, 2, "Tool", "", "C:\\t.arx", 0, 1), c.result)
        << c.target;
    EXPECT_EQ(KeyExists(kHkcu, entry), c.root == kHkcu) << c.target;
    EXPECT_EQ(KeyExists(kHklm, entry), c.root == kHklm) << c.target;
  }
}

}  // namespace
}  // namespace regtest
