// BindRegLib as the deliverables call it: the module is this test program,
// and the build has put the stand-in library beside it or one folder above
// (see tests/common/CMakeLists.txt).
#include <gtest/gtest.h>

#include "common/reglib_binding.h"
#include "temp_folder.h"

namespace {

TEST(BindRegLib, FindsTheLibraryFromThisModulesOwnPath) {
  common_test::TempFolder folder;
  std::string log = folder.Path("calls.log");
  common_test::SetEnvironment("ARVENLO_FAKE_REGLIB_LOG", log);
  common::BindRegLib();
  ASSERT_TRUE(common::RegLibLoaded());
  common::DeleteProfileAllAcads("Design");
  EXPECT_EQ(common::RegisterAppInProfileEx("AutoCAD\\R17.0\\ACAD-5001:409", "Design", "App", 0),
            1);
  common::UnbindRegLib();
  common_test::SetEnvironment("ARVENLO_FAKE_REGLIB_LOG", "");
  EXPECT_EQ(common_test::ReadLines(log),
            (std::vector<std::string>{"DeleteProfileAllAcads|Design",
                                      "RegisterAppInProfileEx|AutoCAD\\R17.0\\ACAD-5001:409|"
                                      "Design|App|0"}));
}

}  // namespace
