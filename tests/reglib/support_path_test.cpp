// A profile's support path: folders added in front and taken out again,
// matched as whole entries of the ";" list without regard to case.
#include <string>

#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

const char* const kId = "AutoCAD\\R16.2\\ACAD-4001:409";

std::string General() { return Profile(kId, "P") + "\\General"; }

struct ListCase {
  const char* list;
  const char* folder;
  const char* result;
};

TEST_F(RegLibTest, AddSupportPathPutsTheFolderInFront) {
  const ListCase cases[] = {
      {"a;b", "C:\\Tools", "C:\\Tools;a;b"},
      {"C:\\TOOLS;b", "c:\\tools", "C:\\TOOLS;b"},
      {"a;C:\\Tools", "c:\\tools", "a;C:\\Tools"},
      // A folder that is only part of an entry is not listed yet.
      {"c:\\tools\\sub;b", "C:\\Tools", "C:\\Tools;c:\\tools\\sub;b"},
      {"x:\\c:\\tools", "C:\\Tools", "C:\\Tools;x:\\c:\\tools"},
      // Several folders at once count as a run of entries.
      {"x;A;B;y", "a;b", "x;A;B;y"},
      {"x;b;a;y", "a;b", "a;b;x;b;a;y"},
      {"", "C:\\T", "C:\\T;"},
      {"a;b", "", "a;b"},
  };
  for (const ListCase& c : cases) {
    WriteString(kHkcu, General(), "ACAD", c.list);
    EXPECT_EQ(lib.AddSupportPath(kId, "P", c.folder), 1) << c.list << " + " << c.folder;
    EXPECT_EQ(ReadString(kHkcu, General(), "ACAD"), c.result) << c.list << " + " << c.folder;
  }
}

TEST_F(RegLibTest, RemoveSupportPathTakesOutWholeEntries) {
  const ListCase cases[] = {
      {"a;b;c", "a", "b;c"},
      {"a;b;c", "B", "a;c"},
      {"a;b;c", "c", "a;b;"},
      {"a;b;c", "d", "a;b;c"},
      {"C:\\Tools;x", "c:\\tools", "x"},
      // Never a piece of a longer entry.
      {"c:\\tools\\sub;x", "C:\\Tools", "c:\\tools\\sub;x"},
      {"x;c:\\toolsX", "C:\\Tools", "x;c:\\toolsX"},
      {"c:\\tools\\sub;C:\\Tools", "C:\\Tools", "c:\\tools\\sub;"},
      {"x;a;b;y", "A;B", "x;y"},
      {"x;a;y;b", "a;b", "x;a;y;b"},
      {"a;a", "a", "a"},
  };
  for (const ListCase& c : cases) {
    WriteString(kHkcu, General(), "ACAD", c.list);
    EXPECT_EQ(lib.RemoveSupportPath(kId, "P", c.folder), 1) << c.list << " - " << c.folder;
    EXPECT_EQ(ReadString(kHkcu, General(), "ACAD"), c.result) << c.list << " - " << c.folder;
  }
}

TEST_F(RegLibTest, SupportPathFallsBackToTheSupportValue) {
  WriteString(kHkcu, General(), "Support", "s1;s2");
  EXPECT_EQ(lib.AddSupportPath(kId, "P", "new"), 1);
  EXPECT_EQ(ReadString(kHkcu, General(), "Support"), "new;s1;s2");
  EXPECT_FALSE(ReadString(kHkcu, General(), "ACAD"));
  // An ACAD list too long to read leaves the work to Support.
  WriteString(kHkcu, General(), "ACAD", std::string(8320, 'x'));
  EXPECT_EQ(lib.RemoveSupportPath(kId, "P", "s1"), 1);
  EXPECT_EQ(ReadString(kHkcu, General(), "Support"), "new;s2");
  EXPECT_EQ(ReadString(kHkcu, General(), "ACAD"), std::string(8320, 'x'));
}

TEST_F(RegLibTest, SupportPathWithoutListOrProfile) {
  WriteString(kHkcu, General(), "Other", "x");
  EXPECT_EQ(lib.AddSupportPath(kId, "P", "C:\\T"), 1);
  EXPECT_EQ(ValueNames(kHkcu, General()), std::vector<std::string>{"Other"});
  EXPECT_EQ(lib.AddSupportPath(kId, "Missing", "C:\\T"), 0);
  EXPECT_EQ(lib.RemoveSupportPath(kId, "Missing", "C:\\T"), 0);
}

}  // namespace
}  // namespace regtest
