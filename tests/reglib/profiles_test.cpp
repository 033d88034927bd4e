// Profiles: the current profile's name, copies of whole profile trees,
// creating from the current profile and deleting.
#include <string>

#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

const char* const kId = "AutoCAD\\R16.2\\ACAD-4001:409";

class ProfilesTest : public RegLibTest {
 protected:
  void SetUp() override {
    RegLibTest::SetUp();
    WriteString(kHkcu, Profiles(kId), "", "Design");
    WriteString(kHkcu, Profile(kId, "Design"), "", "Design description");
    WriteString(kHkcu, Profile(kId, "Design") + "\\General", "ACAD", "C:\\Support");
    WriteDword(kHkcu, Profile(kId, "Design") + "\\Editor\\Deep", "Level", 3);
    WriteString(kHkcu, Profile(kId, "Old"), "", "Old description");
    WriteString(kHkcu, Profile(kId, "Old") + "\\OnlyOld", "v", "x");
    WriteString(kHkcu, Profile(kId, "Old"), "OldValue", "x");
  }
};

TEST_F(ProfilesTest, CurrentProfileName) {
  char buffer[64];
  ASSERT_EQ(lib.GetCurrentProfileNameEx(kId, buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "Design");
  EXPECT_EQ(lib.GetCurrentProfileNameEx(kId, buffer, 6), 0);  // "Design" needs 7
  EXPECT_EQ(lib.GetCurrentProfileNameEx(kId, buffer, 0), 0);
  EXPECT_EQ(lib.GetCurrentProfileNameEx("AutoCAD\\R9\\X", buffer, sizeof buffer), 0);
}

TEST_F(ProfilesTest, CopyReplacesTheDestinationEntirely) {
  ASSERT_EQ(lib.CopyProfileEx(kId, "Design", "Old", nullptr), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Old"), ""), "Design description");
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Old") + "\\General", "ACAD"), "C:\\Support");
  EXPECT_EQ(ReadDword(kHkcu, Profile(kId, "Old") + "\\Editor\\Deep", "Level"), 3u);
  EXPECT_FALSE(KeyExists(kHkcu, Profile(kId, "Old") + "\\OnlyOld"));
  EXPECT_FALSE(ReadString(kHkcu, Profile(kId, "Old"), "OldValue"));
  // The source is left as it was.
  EXPECT_EQ(SubkeyNames(kHkcu, Profile(kId, "Design")),
            (std::vector<std::string>{"Editor", "General"}));
}

TEST_F(ProfilesTest, CopyDescription) {
  ASSERT_EQ(lib.CopyProfileEx(kId, "Design", "A", ""), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "A"), ""), "Design description");
  ASSERT_EQ(lib.CopyProfileEx(kId, "Design", "B", "Mine"), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "B"), ""), "Mine");
}

TEST_F(ProfilesTest, CopyOntoItselfInAnotherCaseChangesNothing) {
  EXPECT_EQ(lib.CopyProfileEx(kId, "Old", "OLD", "New text"), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Old"), ""), "Old description");
  EXPECT_TRUE(KeyExists(kHkcu, Profile(kId, "Old") + "\\OnlyOld"));
  EXPECT_EQ(lib.CopyProfileEx(kId, "", "X", nullptr), 0);
  EXPECT_EQ(lib.CopyProfileEx(kId, "Design", "", nullptr), 0);
}

TEST_F(ProfilesTest, CopyFromAMissingProfileKeepsTheDestination) {
  EXPECT_EQ(lib.CopyProfileEx(kId, "Nowhere", "Old", nullptr), 0);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Old"), ""), "Old description");
  EXPECT_TRUE(KeyExists(kHkcu, Profile(kId, "Old") + "\\OnlyOld"));
}

TEST_F(ProfilesTest, CopyTakesLargeValuesAndLongNames) {
  const std::string big(5000, 'b');
  const std::string longName(300, 'n');
  WriteString(kHkcu, Profile(kId, "Design") + "\\Big", "Large", big);
  WriteString(kHkcu, Profile(kId, "Design") + "\\Big", longName.c_str(), "long-named");
  WriteRaw(kHkcu, Profile(kId, "Design") + "\\Big", "Blob", platform::kRegBinary,
           std::string(3000, '\x01'));
  ASSERT_EQ(lib.CopyProfileEx(kId, "Design", "Copy", nullptr), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Copy") + "\\Big", "Large"), big);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Copy") + "\\Big", longName.c_str()), "long-named");
  std::uint32_t type = 0;
  EXPECT_EQ(ReadRaw(kHkcu, Profile(kId, "Copy") + "\\Big", "Blob", &type),
            std::string(3000, '\x01'));
  EXPECT_EQ(type, platform::kRegBinary);
}

TEST_F(ProfilesTest, CreateCopiesTheCurrentProfile) {
  ASSERT_EQ(lib.CreateProfile(kId, "Fresh", "Fresh one"), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Fresh"), ""), "Fresh one");
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Fresh") + "\\General", "ACAD"), "C:\\Support");
  // The current profile's own name: nothing to do.
  EXPECT_EQ(lib.CreateProfile(kId, "design", "Other"), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Design"), ""), "Design description");
}

TEST_F(ProfilesTest, CreateWithoutTheCurrentProfileTakesTheFirstOther) {
  DeleteTree(kHkcu, Profile(kId, "Old"));
  WriteString(kHkcu, Profiles(kId), "", "Gone");
  ASSERT_EQ(lib.CreateProfile(kId, "Fresh", nullptr), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Fresh"), ""), "Design description");
  // The only profile has the new name: no template.
  DeleteTree(kHkcu, Profile(kId, "Fresh"));
  EXPECT_EQ(lib.CreateProfile(kId, "DESIGN", nullptr), 0);
  // No current name at all behaves the same way.
  WriteString(kHkcu, Profiles(kId), "", "");
  ASSERT_EQ(lib.CreateProfile(kId, "Third", nullptr), 1);
  EXPECT_EQ(ReadString(kHkcu, Profile(kId, "Third"), ""), "Design description");
}

TEST_F(ProfilesTest, DeleteRemovesTheWholeProfile) {
  ASSERT_EQ(lib.DeleteProfile(kId, "Design"), 1);
  EXPECT_FALSE(KeyExists(kHkcu, Profile(kId, "Design")));
  EXPECT_EQ(ReadString(kHkcu, Profiles(kId), ""), "Design");  // still named current
  EXPECT_EQ(lib.DeleteProfile(kId, "Design"), 0);
  EXPECT_EQ(lib.DeleteProfile(kId, ""), 0);
  EXPECT_EQ(SubkeyNames(kHkcu, Profiles(kId)), std::vector<std::string>{"Old"});
}

TEST_F(ProfilesTest, DeleteInEveryInstallation) {
  const char* other = "AutoCAD LT\\R9\\ACADLT-1:409";
  for (const char* id : {kId, other}) {
    std::string family = std::string(id).substr(0, std::string(id).find('\\'));
    WriteString(kHklm, Product(id), "ProductName", "P");
    WriteString(kHklm, Product(id), family == "AutoCAD" ? "AcadLocation" : "Location", "C:\\P");
  }
  WriteString(kHkcu, Profile(other, "Old"), "", "x");
  EXPECT_EQ(lib.DeleteProfileAllAcads("Old"), 1);
  EXPECT_FALSE(KeyExists(kHkcu, Profile(kId, "Old")));
  EXPECT_FALSE(KeyExists(kHkcu, Profile(other, "Old")));
  EXPECT_TRUE(KeyExists(kHkcu, Profile(kId, "Design")));
  EXPECT_EQ(lib.DeleteProfileAllAcads("Nowhere"), 1);
  EXPECT_EQ(lib.DeleteProfileAllAcads(""), 0);
}

}  // namespace
}  // namespace regtest
