// One suite for both registry backends: natively it runs against the
// in-memory registry, under Wine against the real one. Where they disagree
// on anything but the order of values, the in-memory registry is wrong.
//
// Every case works below a key of its own and removes it afterwards, so the
// suite can run in a shared Wine prefix.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_key.h"
#ifndef _WIN32
#include "platform/posix/simulation.h"
#endif

namespace platform {
namespace {

long DeleteTree(RegHandle parent, const std::string& name, std::uint32_t view = 0) {
  RegHandle key = 0;
  long rc = RegOpen(parent, name.c_str(), kKeyAllAccess | view, &key);
  if (rc != kErrSuccess) return rc;
  char child[300];
  for (;;) {
    std::uint32_t chars = sizeof child;
    if (RegEnumSubkey(key, 0, child, &chars) != kErrSuccess) break;
    if (DeleteTree(key, child, view) != kErrSuccess) break;
  }
  RegClose(key);
  return RegRemoveKeyEx(parent, name.c_str(), view);
}

class RegistryConformance : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string("Software\\ArvenloConformance\\") + info->name();
    DeleteTree(kHkeyCurrentUser, path_);
    ASSERT_EQ(kErrSuccess, RegCreate(kHkeyCurrentUser, path_.c_str(), kKeyAllAccess, &root_));
  }
  void TearDown() override {
    RegClose(root_);
    DeleteTree(kHkeyCurrentUser, path_);
    DeleteTree(kHkeyCurrentUser, "Software\\ArvenloConformance");
  }

  RegHandle Create(const std::string& sub, std::uint32_t access = kKeyAllAccess) {
    RegHandle h = 0;
    EXPECT_EQ(kErrSuccess, RegCreate(root_, sub.c_str(), access, &h)) << sub;
    return h;
  }
  void SetString(RegHandle key, const char* name, const std::string& text,
                 std::uint32_t type = kRegSz) {
    ASSERT_EQ(kErrSuccess, RegSet(key, name, type,
                                  reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                  static_cast<std::uint32_t>(text.size() + 1)));
  }
  std::vector<std::string> SubkeyNames(RegHandle key) {
    std::vector<std::string> names;
    char name[300];
    for (std::uint32_t i = 0;; ++i) {
      std::uint32_t chars = sizeof name;
      long rc = RegEnumSubkey(key, i, name, &chars);
      if (rc == kErrNoMoreItems) break;
      EXPECT_EQ(kErrSuccess, rc);
      if (rc != kErrSuccess) break;
      EXPECT_EQ(std::strlen(name), chars);
      names.emplace_back(name);
    }
    return names;
  }

  std::string path_;
  RegHandle root_ = 0;
};

TEST_F(RegistryConformance, CreateReportsWhetherTheKeyIsNewAndOpenFindsIt) {
  RegHandle h = 0;
  bool created = false;
  ASSERT_EQ(kErrSuccess, RegCreate(root_, "a\\b", kKeyAllAccess, &h, &created));
  EXPECT_TRUE(created);
  RegClose(h);
  ASSERT_EQ(kErrSuccess, RegCreate(root_, "a\\b", kKeyAllAccess, &h, &created));
  EXPECT_FALSE(created);
  RegClose(h);
  EXPECT_EQ(kErrSuccess, RegOpen(root_, "a\\b", kKeyRead, &h));
  RegClose(h);
  EXPECT_EQ(kErrFileNotFound, RegOpen(root_, "a\\missing", kKeyRead, &h));
  EXPECT_EQ(0u, h);
}

TEST_F(RegistryConformance, NamesCompareWithoutCaseAndKeepTheirSpelling) {
  RegClose(Create("MixedCase"));
  RegHandle h = 0;
  ASSERT_EQ(kErrSuccess, RegOpen(root_, "MIXEDCASE", kKeyAllAccess, &h));
  SetString(h, "ValueName", "one");
  SetString(h, "VALUENAME", "two");  // the same value
  RegistryKey key(h);
  EXPECT_EQ("two", key.ReadString("valuename").value_or("?"));
  char name[64];
  std::uint32_t chars = sizeof name;
  ASSERT_EQ(kErrSuccess, RegEnumValueAt(h, 0, name, &chars, nullptr, nullptr, nullptr));
  EXPECT_STREQ("ValueName", name);
  EXPECT_EQ(kErrNoMoreItems, RegEnumValueAt(h, 1, name, &chars, nullptr, nullptr, nullptr));
  EXPECT_EQ(std::vector<std::string>{"MixedCase"}, SubkeyNames(root_));
}

TEST_F(RegistryConformance, SubkeysEnumerateSortedWithoutRegardToCase) {
  for (const char* name : {"beta", "Alpha", "gamma", "ALPHA2", "Delta", "a_b", "ab"})
    RegClose(Create(name));
  // Compared by their lower-case forms, as Wine does: "_" sorts before the letters.
  EXPECT_EQ((std::vector<std::string>{"a_b", "ab", "Alpha", "ALPHA2", "beta", "Delta", "gamma"}),
            SubkeyNames(root_));
}

TEST_F(RegistryConformance, ValuesRoundTripWithTheirTypes) {
  // Which order values enumerate in differs (creation order on Windows,
  // by name under Wine); nothing may depend on it, so compare as a set.
  RegHandle h = Create("values");
  SetString(h, "sz", "text");
  SetString(h, "expand", "%TEMP%\\x", kRegExpandSz);
  std::uint32_t number = 0x12345678;
  ASSERT_EQ(kErrSuccess, RegSet(h, "dword", kRegDword,
                                reinterpret_cast<const std::uint8_t*>(&number), 4));
  const std::uint8_t blob[] = {0, 1, 2, 255};
  ASSERT_EQ(kErrSuccess, RegSet(h, "binary", kRegBinary, blob, sizeof blob));
  const char multi[] = "one\0two\0";
  ASSERT_EQ(kErrSuccess, RegSet(h, "multi", kRegMultiSz,
                                reinterpret_cast<const std::uint8_t*>(multi), sizeof multi));
  SetString(h, "", "default");

  struct Expected {
    const char* name;
    std::uint32_t type;
    std::string data;
  };
  const Expected expected[] = {
      {"sz", kRegSz, std::string("text", 5)},
      {"expand", kRegExpandSz, std::string("%TEMP%\\x", 9)},
      {"dword", kRegDword, std::string("\x78\x56\x34\x12", 4)},
      {"binary", kRegBinary, std::string("\0\1\2\xff", 4)},
      {"multi", kRegMultiSz, std::string(multi, sizeof multi)},
      {"", kRegSz, std::string("default", 8)},
  };
  RegistryKey key(h);
  for (const Expected& e : expected) {
    std::uint32_t type = 0;
    std::string data;
    EXPECT_EQ(kErrSuccess, key.QueryRaw(e.name, 100, &type, &data)) << e.name;
    EXPECT_EQ(e.type, type) << e.name;
    EXPECT_EQ(e.data, data) << e.name;
  }

  std::set<std::string> names;
  for (std::uint32_t i = 0;; ++i) {
    char name[64];
    std::uint32_t chars = sizeof name;
    std::uint8_t data[100];
    std::uint32_t bytes = sizeof data;
    std::uint32_t type = 0;
    long rc = RegEnumValueAt(h, i, name, &chars, &type, data, &bytes);
    if (rc == kErrNoMoreItems) break;
    ASSERT_EQ(kErrSuccess, rc);
    names.insert(name);
  }
  EXPECT_EQ((std::set<std::string>{"", "binary", "dword", "expand", "multi", "sz"}), names);
}

TEST_F(RegistryConformance, BuffersThatAreTooSmallReportTheSizeNeeded) {
  RegHandle h = Create("sizes");
  SetString(h, "fits", std::string(259, 'x'));
  SetString(h, "long", std::string(260, 'y'));
  std::vector<std::uint8_t> buffer(260);
  std::uint32_t type = 0;

  std::uint32_t bytes = 260;
  EXPECT_EQ(kErrSuccess, RegQuery(h, "fits", &type, buffer.data(), &bytes));
  EXPECT_EQ(260u, bytes);

  bytes = 260;
  EXPECT_EQ(kErrMoreData, RegQuery(h, "long", &type, buffer.data(), &bytes));
  EXPECT_EQ(261u, bytes);

  bytes = 0;
  EXPECT_EQ(kErrSuccess, RegQuery(h, "long", &type, nullptr, &bytes));
  EXPECT_EQ(261u, bytes);
  EXPECT_EQ(kRegSz, type);

  EXPECT_EQ(kErrFileNotFound, RegQuery(h, "missing", &type, buffer.data(), &bytes));

  // A value whose data does not fit while enumerating.
  char name[64];
  std::uint32_t chars = sizeof name;
  bytes = 10;
  long rc = kErrSuccess;
  for (std::uint32_t i = 0; rc != kErrNoMoreItems; ++i) {
    chars = sizeof name;
    bytes = 10;
    rc = RegEnumValueAt(h, i, name, &chars, &type, buffer.data(), &bytes);
    if (rc == kErrNoMoreItems) break;
    EXPECT_EQ(kErrMoreData, rc);
  }
}

TEST_F(RegistryConformance, EnumerationNamesMustFitTheirBuffers) {
  RegClose(Create("abcdefgh"));
  char name[64];
  std::uint32_t chars = 8;  // no room for the terminator
  EXPECT_EQ(kErrMoreData, RegEnumSubkey(root_, 0, name, &chars));
  chars = 9;
  EXPECT_EQ(kErrSuccess, RegEnumSubkey(root_, 0, name, &chars));
  EXPECT_EQ(8u, chars);
  chars = sizeof name;
  EXPECT_EQ(kErrNoMoreItems, RegEnumSubkey(root_, 1, name, &chars));

  SetString(root_, "abcdefgh", "v");
  chars = 8;
  EXPECT_EQ(kErrMoreData, RegEnumValueAt(root_, 0, name, &chars, nullptr, nullptr, nullptr));
  chars = 9;
  EXPECT_EQ(kErrSuccess, RegEnumValueAt(root_, 0, name, &chars, nullptr, nullptr, nullptr));
  EXPECT_EQ(8u, chars);
}

TEST_F(RegistryConformance, HandlesEnforceTheAccessTheyWereOpenedWith) {
  RegClose(Create("guarded"));
  RegHandle readOnly = 0;
  ASSERT_EQ(kErrSuccess, RegOpen(root_, "guarded", kKeyRead, &readOnly));
  std::uint32_t one = 1;
  EXPECT_EQ(kErrAccessDenied,
            RegSet(readOnly, "x", kRegDword, reinterpret_cast<const std::uint8_t*>(&one), 4));
  EXPECT_EQ(kErrAccessDenied, RegRemoveValue(readOnly, "x"));
  RegClose(readOnly);

  RegHandle writeOnly = 0;
  ASSERT_EQ(kErrSuccess, RegOpen(root_, "guarded", kKeySetValue, &writeOnly));
  EXPECT_EQ(kErrSuccess,
            RegSet(writeOnly, "x", kRegDword, reinterpret_cast<const std::uint8_t*>(&one), 4));
  std::uint32_t bytes = 4;
  std::uint32_t value = 0;
  EXPECT_EQ(kErrAccessDenied,
            RegQuery(writeOnly, "x", nullptr, reinterpret_cast<std::uint8_t*>(&value), &bytes));
  char name[64];
  std::uint32_t chars = sizeof name;
  EXPECT_EQ(kErrAccessDenied, RegEnumSubkey(writeOnly, 0, name, &chars));
  RegClose(writeOnly);
}

TEST_F(RegistryConformance, DeletingRulesForKeysAndValues) {
  RegClose(Create("parent\\child"));
  EXPECT_EQ(kErrAccessDenied, RegRemoveKey(root_, "parent"));
  EXPECT_EQ(kErrFileNotFound, RegRemoveKey(root_, "nothing"));
  EXPECT_EQ(kErrSuccess, RegRemoveKey(root_, "parent\\child"));
  EXPECT_EQ(kErrSuccess, RegRemoveKeyEx(root_, "parent", 0));
  EXPECT_TRUE(SubkeyNames(root_).empty());

  EXPECT_EQ(kErrFileNotFound, RegRemoveValue(root_, "nothing"));
  SetString(root_, "gone", "x");
  EXPECT_EQ(kErrSuccess, RegRemoveValue(root_, "GONE"));
  std::uint32_t bytes = 0;
  EXPECT_EQ(kErrFileNotFound, RegQuery(root_, "gone", nullptr, nullptr, &bytes));
}

TEST_F(RegistryConformance, DefaultValueThroughTheOldQuery) {
  RegHandle h = Create("withDefault");
  SetString(h, "", "described");
  RegClose(h);
  RegClose(Create("withoutDefault"));

  char text[64];
  long bytes = sizeof text;
  EXPECT_EQ(kErrSuccess, RegQueryDefault(root_, "withDefault", text, &bytes));
  EXPECT_STREQ("described", text);
  EXPECT_EQ(10, bytes);

  std::memset(text, 'z', sizeof text);
  bytes = sizeof text;
  EXPECT_EQ(kErrSuccess, RegQueryDefault(root_, "withoutDefault", text, &bytes));
  EXPECT_STREQ("", text);

  bytes = sizeof text;
  EXPECT_EQ(kErrFileNotFound, RegQueryDefault(root_, "noSuchKey", text, &bytes));

  std::uint32_t size = 0;
  EXPECT_EQ(kErrFileNotFound, RegQuery(root_, "", nullptr, nullptr, &size));
}

TEST_F(RegistryConformance, NoKeyIsAnInvalidHandle) {
  std::uint32_t bytes = 0;
  EXPECT_EQ(kErrInvalidHandle, RegQuery(0, "x", nullptr, nullptr, &bytes));
  RegHandle h = 0;
  EXPECT_EQ(kErrInvalidHandle, RegOpen(0, "x", kKeyRead, &h));
  RegistryKey key;
  EXPECT_EQ(kErrInvalidHandle, key.Open(0, "x", kKeyRead));
}

TEST_F(RegistryConformance, RegistryKeyReadsStringsWithinTheirBuffer) {
  RegistryKey key(Create("holder"));
  ASSERT_EQ(kErrSuccess, key.WriteString("short", "abc"));
  ASSERT_EQ(kErrSuccess, key.WriteString("limit", std::string(259, 'l')));
  ASSERT_EQ(kErrSuccess, key.WriteString("over", std::string(260, 'o')));
  ASSERT_EQ(kErrSuccess, key.WriteDword("number", 7));
  EXPECT_EQ("abc", key.ReadString("short").value_or("?"));
  EXPECT_EQ(259u, key.ReadString("limit").value_or("").size());
  EXPECT_FALSE(key.ReadString("over").has_value());
  EXPECT_EQ(7u, key.ReadDword("number").value_or(0));
  EXPECT_FALSE(key.ReadDword("limit").has_value());  // does not fit 4 bytes
  EXPECT_FALSE(key.ReadDword("missing").has_value());
}

// HKLM\Software below a 64-bit process: asking for the 64-bit view changes
// nothing, asking for the 32-bit one lands in Wow6432Node.
class RegistryViews : public ::testing::Test {
 protected:
  void TearDown() override {
    DeleteTree(kHkeyLocalMachine, "Software\\ArvenloViews", kKeyWow64_64Key);
    DeleteTree(kHkeyLocalMachine, "Software\\ArvenloViews", kKeyWow64_32Key);
#ifndef _WIN32
    posix::SimulateProcess(posix::ProcessKind::k64BitProcess);
#endif
  }
};

TEST_F(RegistryViews, A64BitProcessSeesThe32BitViewOnlyWhenItAsks) {
  RegHandle h = 0;
  ASSERT_EQ(kErrSuccess, RegCreate(kHkeyLocalMachine, "Software\\ArvenloViews\\Native",
                                   kKeyAllAccess | kKeyWow64_64Key, &h));
  RegClose(h);
  EXPECT_EQ(kErrSuccess, RegOpen(kHkeyLocalMachine, "Software\\ArvenloViews\\Native", kKeyRead, &h));
  RegClose(h);
  EXPECT_EQ(kErrFileNotFound, RegOpen(kHkeyLocalMachine, "Software\\ArvenloViews\\Native",
                                      kKeyRead | kKeyWow64_32Key, &h));
  ASSERT_EQ(kErrSuccess, RegCreate(kHkeyLocalMachine, "Software\\ArvenloViews\\Redirected",
                                   kKeyAllAccess | kKeyWow64_32Key, &h));
  RegClose(h);
  EXPECT_EQ(kErrSuccess, RegOpen(kHkeyLocalMachine,
                                 "Software\\Wow6432Node\\ArvenloViews\\Redirected", kKeyRead, &h));
  RegClose(h);
}

#ifndef _WIN32
// Only the in-memory registry can play a 32-bit process here; Wine runs the
// 64-bit build alone on these machines.
TEST_F(RegistryViews, A32BitProcessOn64BitWindowsSeesTwoViews) {
  posix::SimulateProcess(posix::ProcessKind::k32BitOnWow64);
  RegHandle h = 0;
  ASSERT_EQ(kErrSuccess, RegCreate(kHkeyLocalMachine, "Software\\ArvenloViews\\Default",
                                   kKeyAllAccess, &h));
  RegClose(h);
  EXPECT_EQ(kErrFileNotFound, RegOpen(kHkeyLocalMachine, "Software\\ArvenloViews\\Default",
                                      kKeyRead | kKeyWow64_64Key, &h));
  posix::SimulateProcess(posix::ProcessKind::k64BitProcess);
  EXPECT_EQ(kErrSuccess, RegOpen(kHkeyLocalMachine,
                                 "Software\\Wow6432Node\\ArvenloViews\\Default", kKeyRead, &h));
  RegClose(h);
}

TEST(RegistryInMemory, DeniedKeysAndOpenHandles) {
  posix::ResetRegistry();
  posix::DenyAccess(kHkeyCurrentUser, "Software\\Locked", kKeySetValue);
  RegHandle h = 0;
  EXPECT_EQ(kErrAccessDenied, RegOpen(kHkeyCurrentUser, "Software\\Locked", kKeyAllAccess, &h));
  ASSERT_EQ(kErrSuccess, RegOpen(kHkeyCurrentUser, "Software\\Locked", kKeyRead, &h));
  EXPECT_EQ(1u, posix::OpenHandleCount());
  RegClose(h);
  EXPECT_EQ(0u, posix::OpenHandleCount());
}
#endif

}  // namespace
}  // namespace platform
