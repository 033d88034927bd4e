// Opening help: only when the file is there, and with a macro that outlives
// the call.
#include <gtest/gtest.h>

#include "common/help.h"
#include "platform/help.h"
#include "platform/posix/help_simulation.h"
#include "temp_folder.h"

namespace {

using common_test::TempFolder;

class ShowHelpTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::posix::ClearHelpRequests(); }
  void TearDown() override { platform::posix::ClearHelpRequests(); }
  TempFolder folder_;
  int window_ = 0;
};

TEST_F(ShowHelpTest, WithoutAHelpFileNothingIsOpened) {
  folder_.Write("Arvenlo/Arvenlo.hlp", "");  // beside an in-host module: not its place
  common::ShowHelpFor(&window_, folder_.Path("Arvenlo/Arvenlo.arx"));
  common::ShowHelpFor(&window_, folder_.Path("Other/Arvenlo.exe"));
  EXPECT_FALSE(platform::posix::LastHelpRequest().has_value());
}

TEST_F(ShowHelpTest, OpensTheMainTopicOfTheFileAboveAnInHostModule) {
  folder_.Write("Arvenlo.hlp", "");
  folder_.MakeFolder("bin");
  std::string module = folder_.Path("bin/Arvenlo.arx");
  common::ShowHelpFor(&window_, module);
  auto request = platform::posix::LastHelpRequest();
  ASSERT_TRUE(request.has_value());
  std::string helpFile = common::HelpFilePathFor(module);
  EXPECT_EQ(request->window, &window_);
  EXPECT_EQ(request->helpFile, helpFile);
  EXPECT_EQ(request->command, 0x102u);
  EXPECT_EQ(request->data, common::HelpMacro(helpFile, "ArvenloMain"));
  // The viewer may read the macro later: the text stays where it was handed over.
  EXPECT_EQ(std::string(request->dataPointer), request->data);
}

TEST_F(ShowHelpTest, OpensTheFileBesideTheProgram) {
  std::string helpFile = folder_.Write("Manager/Arvenlo.hlp", "");
  common::ShowHelpFor(&window_, folder_.Path("Manager/Arvenlo.exe"));
  auto request = platform::posix::LastHelpRequest();
  ASSERT_TRUE(request.has_value());
  EXPECT_EQ(request->helpFile, helpFile);
}

}  // namespace
