// The messages a launch ends with.
#include "manager/launch_messages.h"

#include <gtest/gtest.h>

#include "common/language.h"

namespace manager {
namespace {

TEST(LaunchMessages, FormatsTheArgumentAndHidesTheAutodeskPrefix) {
  struct Row {
    const char16_t* pattern;
    const char16_t* argument;
    const char16_t* shown;
  };
  const Row rows[] = {
      {u"Error: AutoCAD Id \"%s\" not found ", u"Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409",
       u"Error: AutoCAD Id \"AutoCAD\\R16.0\\ACAD-201:409\" not found "},
      // An empty Id after -a is shown as empty.
      {u"Id \"%s\"", u"Software\\Autodesk\\", u"Id \"\""},
      // Every occurrence goes, wherever it stands; another case is not the prefix.
      {u"%s", u"Software\\Autodesk\\A Software\\Autodesk\\B software\\autodesk\\C",
       u"A B software\\autodesk\\C"},
      // The argument is text: its '%' and a second "%s" stay as they are.
      {u"Profile \"%s\" not found", u"100%s %d", u"Profile \"100%s %d\" not found"},
      {u"No argument here", u"ignored", u"No argument here"},
      {u"", u"x", u""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(std::u16string(row.shown), FormatLaunchMessage(row.pattern, row.argument));
  }
}

TEST(LaunchMessages, EachResultHasItsString) {
  PMRunInfo run;
  run.m_strAcadKey = "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409";
  run.m_strProfile = "Design";
  if (common::LoadLangStringWide(10006, common::kLangEnglish).empty())
    GTEST_SKIP() << "no string resources in this build";
  struct Row {
    std::int32_t result;
    std::uint16_t language;
    const char16_t* shown;
  };
  const Row rows[] = {
      {0, common::kLangEnglish, u""},
      {6, common::kLangEnglish, u""},
      {-1, common::kLangEnglish, u""},
      {1, common::kLangEnglish, u"Error: AutoCAD Id \"AutoCAD\\R16.0\\ACAD-201:409\" not found "},
      {1, common::kLangRussian, u"Ошибка: AutoCAD Id \"AutoCAD\\R16.0\\ACAD-201:409\" не найден"},
      {2, common::kLangEnglish, u"Error: Profile \"Design\" not found"},
      {2, common::kLangRussian, u"Ошибка: Профиль \"Design\" не найден"},
      {3, common::kLangEnglish, u"Error: Cannot change current profile in registry"},
      {4, common::kLangEnglish, u"Error: Cannot run AutoCAD"},
      {4, common::kLangRussian, u"Ошибка: Невозможно запустить AutoCAD"},
      {5, common::kLangEnglish,
       u"You should start AutoCAD at least once before starting the application"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.result);
    EXPECT_EQ(std::u16string(row.shown), LaunchResultMessage(row.result, run, row.language));
  }
}

}  // namespace
}  // namespace manager
