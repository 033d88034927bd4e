// The shared strings as compiled into a Windows program (common/strings.rc
// is linked into this test), compared in UTF-16 whatever the ANSI code page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "common/language.h"
#include "common/resource_ids.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

using common::kLangEnglish;
using common::kLangRussian;
using common::LoadLangStringWide;

const char16_t kUsageEnglish[] =
    u"Usage: Arvenlo.exe [-r -a \"ACAD_ID\" -p \"Profile\" [-c -g \"App\" \"App\"] -AcCL ...]"
    u"\r\n\r\nOptions:\r\n-r\tRun AutoCAD (must be followed by -a and -p)\r\n"
    u"-a\tAutoCAD Id (e.g. AutoCAD\\R16.0\\ACAD-201:409)\r\n-p\tProfile name\r\n"
    u"-c\tCreate profile if not exists\r\n-g\tEnable application(s) in newly created profile\n"
    u"-AcCL\tPass arguments to the AutoCAD command line\r\n...\tAutoCAD command line";

const char16_t kUsageRussian[] =
    u"Использование: Arvenlo.exe [-r -a \"ACAD_ID\" -p \"Профиль\" [-c -g \"Приложение\" "
    u"\"Приложение\"] -AcCL ...]\r\n\r\nОпции:\r\n-r\tЗапустить AutoCAD (необходимы опции -a "
    u"и -p)\r\n-a\tAutoCAD Id (например, AutoCAD\\R16.0\\ACAD-201:409)\r\n-p\tНазвание "
    u"профиля\r\n-c\tСоздать профиль, если не существует\r\n-g\tАссоциировать приложение с "
    u"вновь созданным профилем\r\n-AcCL\tПередать аргументы в командную строку AutoCAD\r\n"
    u"...\tКомандная строка AutoCAD";

TEST(SharedStrings, TheTitleInBothLanguages) {
  EXPECT_EQ(LoadLangStringWide(common::kIdsAppTitle, kLangEnglish), u"Arvenlo for AutoCAD");
  EXPECT_EQ(LoadLangStringWide(common::kIdsAppTitle, kLangRussian), u"Arvenlo для AutoCAD");
}

TEST(SharedStrings, TheUsageTextInBothLanguages) {
  EXPECT_EQ(LoadLangStringWide(common::kIdsUsage, kLangEnglish), kUsageEnglish);
  EXPECT_EQ(LoadLangStringWide(common::kIdsUsage, kLangRussian), kUsageRussian);
}

TEST(SharedStrings, EveryIdentifierIsThereInBothLanguages) {
  for (std::uint16_t id : common::kAllStringIds) {
    std::u16string english = LoadLangStringWide(id, kLangEnglish);
    std::u16string russian = LoadLangStringWide(id, kLangRussian);
    EXPECT_FALSE(english.empty()) << id;
    EXPECT_FALSE(russian.empty()) << id;
    if (id != common::kIdsOptionsTabTitle) {
      EXPECT_NE(english, russian) << id;
    }
  }
  EXPECT_EQ(LoadLangStringWide(common::kIdsOptionsTabTitle, kLangRussian), u"Arvenlo");
}

TEST(SharedStrings, TextsWhoseEdgesMatter) {
  const struct {
    std::uint16_t id;
    std::uint16_t language;
    const char16_t* text;
  } cases[] = {
      {common::kIdsAcadIdNotFound, kLangEnglish, u"Error: AutoCAD Id \"%s\" not found "},
      {common::kIdsAcadIdNotFound, kLangRussian, u"Ошибка: AutoCAD Id \"%s\" не найден"},
      {common::kIdsProfileAlreadyCurrent, kLangEnglish, u"\nThe profile \"%s\" is already current\n"},
      {common::kIdsProfileAlreadyCurrent, kLangRussian, u"\nПрофиль \"%s\" уже является текущим\n"},
      {common::kIdsEnterProfileName, kLangEnglish, u"Enter new profile name: "},
      {common::kIdsConfirmDeleteProfile, kLangEnglish,
       u"Are you sure you want to delete the profile \"%s\"?"},
      {common::kIdsApplyBeforeRun, kLangRussian,
       u"Изменения, внесенные в конфигурацию профилей, не сохранены.\r\n"
       u"Сохранить изменения сейчас и запустить AutoCAD?"},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadLangStringWide(c.id, c.language), c.text) << c.id;
}

TEST(SharedStrings, AGapInTheTableIsNotFound) {
  char buffer[16];
  EXPECT_EQ(LoadLangStringWide(10012, kLangRussian), u"");
  EXPECT_EQ(common::LoadLangStringTo(10012, buffer, sizeof buffer, kLangEnglish), nullptr);
}

TEST(SharedStrings, ALanguageWithoutStringsGetsTheSystemsChoice) {
  std::u16string german = LoadLangStringWide(common::kIdsAppTitle, 1031);
  EXPECT_TRUE(german == u"Arvenlo for AutoCAD" || german == u"Arvenlo для AutoCAD");
}

TEST(SharedStrings, AnsiTextsFollowTheCodePage) {
  EXPECT_EQ(common::LoadLangString(common::kIdsAppTitle, kLangEnglish), "Arvenlo for AutoCAD");
  char buffer[64];
  ASSERT_EQ(common::LoadLangStringTo(common::kIdsAppTitle, buffer, sizeof buffer, kLangRussian),
            buffer);
  EXPECT_EQ(std::string(buffer), platform::WideToAnsi(u"Arvenlo для AutoCAD"));
  // The build runs this program a second time with a Russian locale, where
  // the ANSI texts are code page 1251 (see CMakeLists.txt).
  const char* expected = std::getenv("ARVENLO_EXPECT_ANSI_CODE_PAGE");
  if (expected) {
    ASSERT_EQ(platform::AnsiCodePage(), static_cast<std::uint32_t>(std::atoi(expected)));
  }
  if (platform::AnsiCodePage() == 1251) {
    EXPECT_STREQ(buffer, "Arvenlo \xE4\xEB\xFF AutoCAD");
  }
}

TEST(SharedStrings, NoDialogsOrMenusInThisProgram) {
  EXPECT_TRUE(common::FindLangDialog(100, kLangRussian).empty());
  EXPECT_TRUE(common::FindLangMenu(100, kLangEnglish).empty());
}

}  // namespace
