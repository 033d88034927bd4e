// Where the help file is and the macro that opens it.
#include <gtest/gtest.h>

#include "common/help.h"

namespace {

TEST(HelpFilePathFor, ProgramBesideItselfModulesOneFolderUp) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Program Files\\Arvenlo\\Arvenlo.exe", "C:\\Program Files\\Arvenlo\\Arvenlo.hlp"},
      {"C:\\Tools\\ARVENLO.EXE", "C:\\Tools\\ARVENLO.hlp"},
      {"C:\\Acad\\Arvenlo\\Arvenlo.arx", "C:\\Acad\\Arvenlo\\..\\Arvenlo.hlp"},
      {"D:\\LT\\bin\\Arvenlo.alx", "D:\\LT\\bin\\..\\Arvenlo.hlp"},
  };
  for (const auto& [module, expected] : cases) EXPECT_EQ(common::HelpFilePathFor(module), expected);
}

TEST(HelpMacro, EveryBackslashAndSlashBecomesTwoBackslashes) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Tools\\Arvenlo.hlp", R"(JumpID("C:\\Tools\\Arvenlo.hlp","ArvenloMain"))"},
      {"C:/Tools/Arvenlo.hlp", R"(JumpID("C:\\Tools\\Arvenlo.hlp","ArvenloMain"))"},
      {"\\\\server/share\\A.hlp", R"(JumpID("\\\\server\\share\\A.hlp","ArvenloMain"))"},
      {"Arvenlo.hlp", R"(JumpID("Arvenlo.hlp","ArvenloMain"))"},
  };
  for (const auto& [file, expected] : cases)
    EXPECT_EQ(common::HelpMacro(file, common::kHelpTopic), expected) << file;
}

}  // namespace
