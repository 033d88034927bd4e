// Choosing the UI language from the language ini, and finding that ini.
#include <gtest/gtest.h>

#include "common/language.h"
#include "platform/system.h"
#include "temp_folder.h"

namespace {

using common::LanguageFromIniValues;
using common_test::TempFolder;

struct IniRule {
  const char* langId;
  const char* subLangId;
  const char* lang;
  std::uint32_t userLcid;
  std::uint16_t expected;
};

TEST(LanguageFromIniValues, FollowsTheIniRules) {
  const IniRule rules[] = {
      {"19", "1", "", 0x0407, 1049},        // Russian by primary and sublanguage (hex)
      {"9", "", "", 0x0407, 9},             // primary language only, sublanguage 0
      {"9", "1", "ru", 0x0407, 1033},       // LangId wins over Lang
      {"0x19", "0x1", "", 0x0407, 1049},    // sscanf "%x" takes the 0x prefix
      {"19", "zz", "", 0x0407, 0x19},       // unreadable SubLangId counts as 0
      {"xyz", "", "ru", 0x0407, 1049},      // unreadable LangId: Lang decides
      {"xyz", "", "", 0x0407, 0x0407},      // ... and without Lang the user's locale
      {"0", "", "RU", 0x0407, 1049},        // a language of 0 is no choice
      {"", "1", "Ru", 0x0407, 1049},        // Lang in any letter case
      {"", "", "en", 0x0407, 1033},         // any other text is English
      {"", "", "russian", 0x0407, 1033},    // only "RU" itself is Russian
      {"", "", "", 0x00010419, 0x0419},     // low 16 bits of the locale (sort order dropped)
  };
  for (const IniRule& rule : rules) {
    EXPECT_EQ(LanguageFromIniValues(rule.langId, rule.subLangId, rule.lang, rule.userLcid),
              rule.expected)
        << "LangId=" << rule.langId << " SubLangId=" << rule.subLangId << " Lang=" << rule.lang;
  }
}

class ChooseUiLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { common::SetUiLanguage(0); }
  TempFolder folder_;
};

TEST_F(ChooseUiLanguageTest, ReadsTheLanguageSection) {
  std::string ini =
      folder_.Write("Arvenlo.ini", "[Other]\r\nLangId=9\r\n[Language]\r\nLangId=19\r\nSubLangId=1\r\n");
  common::ChooseUiLanguage(ini);
  EXPECT_EQ(common::GetUiLanguage(), 1049);
}

TEST_F(ChooseUiLanguageTest, LangDecidesWhenLangIdIsNotHexadecimal) {
  std::string ini = folder_.Write("Arvenlo.ini", "[Language]\r\nLangId=xyz\r\nLang=ru\r\n");
  common::ChooseUiLanguage(ini);
  EXPECT_EQ(common::GetUiLanguage(), 1049);
}

TEST_F(ChooseUiLanguageTest, TakesTheUserLocaleWithoutAChoiceOrWithoutAnIni) {
  const std::uint16_t user = static_cast<std::uint16_t>(platform::UserDefaultLcid() & 0xFFFF);
  std::string ini = folder_.Write("Arvenlo.ini", "[Language]\r\nLangId=xyz\r\n");
  common::SetUiLanguage(1049);
  common::ChooseUiLanguage(ini);
  EXPECT_EQ(common::GetUiLanguage(), user);

  common::SetUiLanguage(1049);
  common::ChooseUiLanguage("");
  EXPECT_EQ(common::GetUiLanguage(), user);
}

TEST_F(ChooseUiLanguageTest, LongValuesAreCutTo63Characters) {
  // 63 characters of "0" are read, the "1" after them is not: LangId 0.
  std::string ini = folder_.Write(
      "Arvenlo.ini", "[Language]\r\nLangId=" + std::string(63, '0') + "19\r\nLang=ru\r\n");
  common::ChooseUiLanguage(ini);
  EXPECT_EQ(common::GetUiLanguage(), 1049);  // from Lang, since LangId read as 0
  std::string shortIni = folder_.Write("Short.ini", "[Language]\r\nLangId=" +
                                                        std::string(61, '0') + "19\r\nLang=en\r\n");
  common::ChooseUiLanguage(shortIni);
  EXPECT_EQ(common::GetUiLanguage(), 0x19);
}

enum class Found { kNone, kBeside, kAbove };

struct IniPlace {
  const char* name;
  bool beside;
  bool above;
  Found expected;
};

TEST(LanguageIniPathFor, BesideTheModuleFirstThenOneFolderUp) {
  const IniPlace places[] = {
      {"none", false, false, Found::kNone},
      {"beside only", true, false, Found::kBeside},
      {"above only", false, true, Found::kAbove},
      {"both", true, true, Found::kBeside},
  };
  for (const IniPlace& place : places) {
    TempFolder folder;
    std::string bin = folder.MakeFolder("app/bin");
    if (place.beside) folder.Write("app/bin/Arvenlo.ini", "[Language]\r\n");
    if (place.above) folder.Write("app/Arvenlo.ini", "[Language]\r\n");
    // The result is formed from the module's own path, "..\\" as written.
    std::string expected;
    if (place.expected == Found::kBeside) expected = folder.Path("app/bin/Arvenlo.ini");
    if (place.expected == Found::kAbove)
      expected = bin + static_cast<char>(std::filesystem::path::preferred_separator) +
                 "..\\Arvenlo.ini";
    EXPECT_EQ(common::LanguageIniPathFor(folder.Path("app/bin/Arvenlo.exe")), expected)
        << place.name;
  }
}

TEST(LanguageIniPathFor, IsNamedAfterTheModulesBaseName) {
  TempFolder folder;
  folder.Write("inhost/Arvenlo.ini", "[Language]\r\n");
  EXPECT_EQ(common::LanguageIniPathFor(folder.Path("inhost/Arvenlo.alx")),
            folder.Path("inhost/Arvenlo.ini"));
  EXPECT_EQ(common::LanguageIniPathFor(folder.Path("inhost/Other.alx")), "");
}

}  // namespace
