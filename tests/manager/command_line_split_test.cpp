// Splitting a command line as CommandLineToArgvW does.
#include "manager/command_line_split.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include <string>
#include <vector>

namespace manager {
namespace {

struct Row {
  const char16_t* line;
  std::vector<std::u16string> args;
};

const Row kRows[] = {
    {u"", {}},
    {u"Arvenlo.exe", {u"Arvenlo.exe"}},
    {u"\"C:\\Program Files\\Arvenlo.exe\" -r", {u"C:\\Program Files\\Arvenlo.exe", u"-r"}},
    // The program name takes no backslash rules and ends at the quote.
    {u"\"C:\\dir\\\" x", {u"C:\\dir\\", u"x"}},
    {u"a.exe   -p \t Design  ", {u"a.exe", u"-p", u"Design"}},
    {u"a.exe -p \"My Profile\"", {u"a.exe", u"-p", u"My Profile"}},
    {u"a.exe pre\"mid dle\"post", {u"a.exe", u"premid dlepost"}},
    {u"a.exe \"\"", {u"a.exe", u""}},
    {u"a.exe \"\" x", {u"a.exe", u"", u"x"}},
    {u"a.exe C:\\dir\\", {u"a.exe", u"C:\\dir\\"}},
    {u"a.exe \"C:\\dir\\\\\"", {u"a.exe", u"C:\\dir\\"}},
    {u"a.exe a\\\"b", {u"a.exe", u"a\"b"}},
    {u"a.exe a\\\\\\\"b", {u"a.exe", u"a\\\"b"}},
    {u"a.exe a\\\\\\\\\"b c\"", {u"a.exe", u"a\\\\b c"}},
    {u"a.exe \"a\"\"\"b\"", {u"a.exe", u"a\"b"}},
    {u"a.exe \"a\"\"b c\"", {u"a.exe", u"a\"b", u"c"}},
    {u"a.exe -dp \"\xd0\xd1\"", {u"a.exe", u"-dp", u"\xd0\xd1"}},
    {u"a.exe -dp \u041f\u0440\u043e\u0444\u0438\u043b\u044c",
     {u"a.exe", u"-dp", u"\u041f\u0440\u043e\u0444\u0438\u043b\u044c"}},
};

TEST(CommandLineSplit, FollowsTheWindowsRules) {
  for (const Row& row : kRows) {
    std::u16string line(row.line);
    SCOPED_TRACE(std::string(line.begin(), line.end()));
    EXPECT_EQ(row.args, SplitCommandLine(line));
  }
}

#ifdef _WIN32
// The same rows through the real function, so the table itself is checked.
TEST(CommandLineSplit, AgreesWithCommandLineToArgvW) {
  for (const Row& row : kRows) {
    std::u16string line(row.line);
    if (line.empty()) continue;  // the real function answers with the module path
    SCOPED_TRACE(std::string(line.begin(), line.end()));
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(reinterpret_cast<LPCWSTR>(line.c_str()), &count);
    ASSERT_NE(nullptr, argv);
    std::vector<std::u16string> real;
    for (int i = 0; i < count; ++i) real.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    LocalFree(argv);
    EXPECT_EQ(real, SplitCommandLine(line));
  }
}
#endif

}  // namespace
}  // namespace manager
