// The manager's settings key, through the registry seam.
#include "manager/program_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/registry.h"
#include "platform/registry_key.h"

namespace manager {
namespace {

class ProgramSettings : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKey(); }
  void TearDown() override { DeleteKey(); }

  static void DeleteKey() {
    platform::RegistryKey parent;
    if (parent.Open(platform::kHkeyCurrentUser, "Software\\Velmora\\Arvenlo",
                    platform::kKeyAllAccess) == platform::kErrSuccess)
      platform::RegRemoveKey(parent.handle(), "1.0");
  }

  static void SetRaw(const std::string& name, std::uint32_t type, const std::string& bytes) {
    platform::RegistryKey key;
    ASSERT_EQ(platform::kErrSuccess,
              key.Create(platform::kHkeyCurrentUser, kProgramSettingsKey, platform::kKeyAllAccess));
    ASSERT_EQ(platform::kErrSuccess,
              platform::RegSet(key.handle(), name.c_str(), type,
                               reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               static_cast<std::uint32_t>(bytes.size())));
  }
};

TEST_F(ProgramSettings, MissingKeyOrValueGivesNothing) {
  EXPECT_FALSE(ReadProgramSetting(kSettingCurAcad).has_value());
  SetRaw("Other", platform::kRegSz, std::string("x", 2));
  EXPECT_FALSE(ReadProgramSetting(kSettingCurAcad).has_value());
}

TEST_F(ProgramSettings, WrittenValueIsRegSzWithItsTerminator) {
  WriteProgramSetting(kSettingCurAcad, "AutoCAD 2007 (x64)");
  platform::RegistryKey key;
  ASSERT_EQ(platform::kErrSuccess,
            key.Open(platform::kHkeyCurrentUser, kProgramSettingsKey, platform::kKeyRead));
  std::uint32_t type = 0;
  std::string data;
  ASSERT_EQ(platform::kErrSuccess, key.QueryRaw(kSettingCurAcad, 260, &type, &data));
  EXPECT_EQ(platform::kRegSz, type);
  EXPECT_EQ(std::string("AutoCAD 2007 (x64)\0", 19), data);
  EXPECT_EQ("AutoCAD 2007 (x64)", ReadProgramSetting(kSettingCurAcad));
  WriteProgramSetting(kSettingCurAcad, "Other");
  EXPECT_EQ("Other", ReadProgramSetting(kSettingCurAcad));
}

TEST_F(ProgramSettings, ValueMustBeNonEmptyAndFitTheBuffer) {
  // Binary, because backends differ in whether an empty text value gets a
  // terminator added; the type is not looked at anyway.
  SetRaw(kSettingCurAcad, platform::kRegBinary, "");
  EXPECT_FALSE(ReadProgramSetting(kSettingCurAcad).has_value());

  SetRaw(kSettingCurAcad, platform::kRegSz, std::string(259, 'a') + '\0');
  EXPECT_EQ(std::string(259, 'a'), ReadProgramSetting(kSettingCurAcad));
  SetRaw(kSettingCurAcad, platform::kRegSz, std::string(260, 'a') + '\0');
  EXPECT_FALSE(ReadProgramSetting(kSettingCurAcad).has_value());
}

TEST_F(ProgramSettings, UnterminatedValueEndsWithItsData) {
  // Stored without a terminator, filling the whole buffer: the text must not
  // run on past what was read.
  SetRaw(kSettingCurAcad, platform::kRegBinary, std::string(260, 'b'));
  EXPECT_EQ(std::string(260, 'b'), ReadProgramSetting(kSettingCurAcad));
  SetRaw(kSettingCurAcad, platform::kRegSz, "ab");
  EXPECT_EQ("ab", ReadProgramSetting(kSettingCurAcad));
}

}  // namespace
}  // namespace manager
