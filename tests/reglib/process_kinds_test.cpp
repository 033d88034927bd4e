// What depends on the kind of process: target codes, the 64-bit view rule,
// the product scan's second view, and the set-up section. The in-memory
// registry plays all three kinds.
#include <string>

#include "platform/posix/simulation.h"
#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

using platform::posix::ProcessKind;
constexpr std::uint32_t kView32 = platform::kKeyWow64_32Key;

// Which view of HKLM\Software holds `path`: 64, 32, or 0 for none.
int ViewHolding(const std::string& path) {
  if (KeyExists(kHklm, path, kView64)) return 64;
  if (KeyExists(kHklm, path, kView32)) return 32;
  return 0;
}

TEST_F(RegLibTest, TargetCodesByProcessKind) {
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  std::string entry = Product(id) + "\\Applications\\Tool";
  struct Case {
    ProcessKind kind;
    int target;
    int result;
    int view;  // of HKLM: 64 or 32 (0: not there)
  };
  const Case cases[] = {
      {ProcessKind::k32BitOnWow64, 2, 1, 32},       {ProcessKind::k32BitOnWow64, 3, 0, 0},
      {ProcessKind::k32BitOnWow64, 4, 1, 64},       {ProcessKind::k32BitOn32BitWindows, 3, 1, 64},
      {ProcessKind::k32BitOn32BitWindows, 4, 0, 0}, {ProcessKind::k32BitOn32BitWindows, 2, 1, 64},
      {ProcessKind::k64BitProcess, 3, 0, 0},        {ProcessKind::k64BitProcess, 4, 1, 64},
      {ProcessKind::k64BitProcess, 2, 1, 64},
  };
  for (const Case& c : cases) {
    ResetRegistry();
    platform::posix::SimulateProcess(c.kind);
    EXPECT_EQ(lib.RegisterAppEx(c.target, id, 2, "Tool", "", "C:\\t.arx", 0, 1), c.result)
        << static_cast<int>(c.kind) << " target " << c.target;
    // On 32-bit Windows there is one view, which both flags reach.
    int expected = c.kind == ProcessKind::k32BitOn32BitWindows && c.view ? 64 : c.view;
    EXPECT_EQ(ViewHolding(entry), expected) << static_cast<int>(c.kind) << " target " << c.target;
    for (int code : {0, 5}) EXPECT_EQ(lib.RegisterAppEx(code, id, 2, "X", "", "m", 0, 1), 0);
  }
}

TEST_F(RegLibTest, NewerReleasesUseThe64BitViewUnderWow64) {
  platform::posix::SimulateProcess(ProcessKind::k32BitOnWow64);
  struct Case {
    const char* id;
    int view;
  };
  const Case cases[] = {
      {"AutoCAD\\R16.2\\ACAD-1:409", 32},     {"AutoCAD\\R17.0\\ACAD-1:409", 32},
      {"AutoCAD\\R17.1\\ACAD-1:409", 64},     {"AutoCAD\\R17.2\\ACAD-1:409", 64},
      {"AutoCAD\\R18.0\\ACAD-1:409", 64},     {"AutoCAD\\R17.09\\ACAD-1:409", 32},
      {"AutoCAD LT\\R17.1\\ACADLT-1:409", 32}, {"AutoCAD\\R17.1", 32},  // no backslash after
      {"AutoCAD\\Rx\\ACAD-1:409", 32},
  };
  for (const Case& c : cases) {
    AppRecord record{};
    record.size = APPRECORD_SIZE_BASIC;
    record.target = 2;
    record.acadId = c.id;
    record.appName = "Tool";
    record.loader = "C:\\t.arx";
    ASSERT_EQ(lib.RegisterAppInPMan(&record), 1) << c.id;
    std::string key = Product(c.id) + "\\Applications\\Arvenlo\\Applications\\Tool";
    EXPECT_EQ(ViewHolding(key), c.view) << c.id;
    // Reading back takes the same view.
    char buffer[64];
    EXPECT_EQ(lib.GetAppRegStringValue(c.id, "Tool", "Loader", buffer, sizeof buffer), 1) << c.id;
    EXPECT_EQ(lib.UnregAppInPMan(c.id, "Tool"), 1) << c.id;
    EXPECT_EQ(ViewHolding(key), 0) << c.id;
  }
}

TEST_F(RegLibTest, ProductScanReadsTheSecondViewOnlyUnderWow64) {
  std::string product = "Software\\Autodesk\\AutoCAD\\R17.1\\ACAD-6001:409";
  for (std::uint32_t view : {kView64, kView32}) {
    WriteString(kHklm, product, "ProductName", view == kView64 ? "Sixty-four" : "Thirty-two", view);
    WriteString(kHklm, product, "AcadLocation", "C:\\A", view);
  }
  struct Case {
    ProcessKind kind;
    std::vector<std::string> names;  // in list order
  };
  const Case cases[] = {
      {ProcessKind::k32BitOnWow64, {"Thirty-two", "Sixty-four"}},
      {ProcessKind::k64BitProcess, {"Sixty-four"}},
  };
  for (const Case& c : cases) {
    platform::posix::SimulateProcess(c.kind);
    ASSERT_EQ(lib.StartEnumAutoDeskProducts("R17"), 1);
    std::vector<std::string> names;
    char name[260];
    while (lib.GetNextAutoDeskProduct(nullptr, nullptr, nullptr, name, nullptr))
      names.push_back(name);
    EXPECT_EQ(names, c.names) << static_cast<int>(c.kind);
  }
}

TEST_F(RegLibTest, SetupSectionFor32BitWindows) {
  std::string folder = FreshFolder("ini");
  std::string ini = folder + "\\Setup.ini";
  WriteTextFile(ini,
                "[Setup\\x32]\nPmPath=C:\\pm32.arx\nStarterPath=C:\\s.dbx\n"
                "[Setup\\x64]\nPmPath=C:\\pm64.arx\nStarterPath=C:\\s.dbx\n");
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  std::string root = Product(id) + "\\Applications\\Arvenlo";
  platform::posix::SimulateProcess(ProcessKind::k32BitOn32BitWindows);
  ASSERT_EQ(lib.SetupPManIni3264(3, id, ini.c_str(), "Setup", 1), 1);
  EXPECT_EQ(ReadString(kHklm, root, "PmPath"), "C:\\pm32.arx");
  platform::posix::SimulateProcess(ProcessKind::k32BitOnWow64);
  ASSERT_EQ(lib.SetupPManIni3264(4, id, ini.c_str(), "Setup", 1), 1);
  EXPECT_EQ(ReadString(kHklm, root, "PmPath", kView64), "C:\\pm64.arx");
  EXPECT_EQ(lib.SetupPManIni3264(3, id, ini.c_str(), "Setup", 1), 0);
}

TEST_F(RegLibTest, TreesAreDeletedWithoutRegDeleteKeyExToo) {
  platform::posix::SetHasDeleteKeyEx(false);
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  WriteString(kHkcu, Profile(id, "Deep") + "\\A\\B\\C", "v", "x");
  WriteString(kHkcu, Profile(id, "Deep") + "\\A\\D", "v", "x");
  EXPECT_EQ(lib.DeleteProfile(id, "Deep"), 1);
  EXPECT_FALSE(KeyExists(kHkcu, Profile(id, "Deep")));
  EXPECT_EQ(platform::posix::OpenHandleCount(), 0u);
}

TEST_F(RegLibTest, DeleteStopsAtAKeyThatRefusesAccess) {
  const char* id = "AutoCAD\\R16.2\\ACAD-4001:409";
  WriteString(kHkcu, Profile(id, "Locked") + "\\Open", "v", "x");
  WriteString(kHkcu, Profile(id, "Locked") + "\\Shut", "v", "x");
  platform::posix::DenyAccess(kHkcu, Profile(id, "Locked") + "\\Shut", platform::kKeyAllAccess);
  EXPECT_EQ(lib.DeleteProfile(id, "Locked"), 0);
  EXPECT_TRUE(KeyExists(kHkcu, Profile(id, "Locked")));
  EXPECT_EQ(platform::posix::OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace regtest
