// The starter's decision and loads, against a fake host and a scratch product key.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "starter/starter.h"
#include "tests/inhost/fake_host.h"
#include "tests/inhost/scratch_product.h"

namespace {

using fakes::FakeHost;
using fakes::ScratchProduct;
constexpr platform::RegHandle kHkcu = platform::kHkeyCurrentUser;
constexpr platform::RegHandle kHklm = platform::kHkeyLocalMachine;
const std::string kNotes = "Profiles\\Design\\Arvenlo";
const std::string kSetup = "Applications\\Arvenlo";

void CurrentProfileDesign(const ScratchProduct& product) {
  product.WriteString(kHkcu, "Profiles", "", "Design");
  product.WriteString(kHkcu, "Profiles\\Design", "", "");
  product.WriteString(kHkcu, kNotes, "Other", "x");
}

TEST(StarterTest, SetupKeyFollowsTheReleaseCaseSensitively) {
  EXPECT_EQ(starter::SetupKeyPath("S\\A\\R15.0\\P"), "S\\A\\R15.0\\P\\QyApps\\Arvenlo");
  EXPECT_EQ(starter::SetupKeyPath("S\\A\\R8\\P"), "S\\A\\R8\\P\\QyApps\\Arvenlo");
  EXPECT_EQ(starter::SetupKeyPath("S\\A\\r15.0\\P"), "S\\A\\r15.0\\P\\Applications\\Arvenlo");
  EXPECT_EQ(starter::SetupKeyPath("S\\A\\R17.0\\P"), "S\\A\\R17.0\\P\\Applications\\Arvenlo");
}

TEST(StarterTest, RunPmDecidesAndIsUsedUpOnlyWhenOne) {
  struct Case {
    const char* label;
    std::uint32_t type;
    std::string bytes;  // empty with type 0: no value
    int result;
    bool runPmStays;
  };
  auto dword = [](std::uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
  const Case cases[] = {
      {"absent", 0, "", host::kRetError, false},
      {"one", platform::kRegDword, dword(1), host::kRetOK, false},
      {"two", platform::kRegDword, dword(2), host::kRetOK, true},
      {"three", platform::kRegDword, dword(3), host::kRetError, true},
      {"zero", platform::kRegDword, dword(0), host::kRetError, true},
      {"text", platform::kRegSz, std::string("1\0", 2), host::kRetError, true},
      {"binary one", platform::kRegBinary, dword(1), host::kRetError, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScratchProduct product;
    CurrentProfileDesign(product);
    product.WriteString(kHklm, kSetup, "PmPath", "C:\\pm\\Arvenlo.arx");
    if (c.type != 0) product.Write(kHkcu, kNotes, "RunPM", c.type, c.bytes);
    FakeHost host(product.key());
    int dummyId = 0;
    EXPECT_EQ(starter::EntryPoint(&host, host::kInitAppMsg, &dummyId), c.result);
    bool asked = c.result == host::kRetOK;
    EXPECT_EQ(host.CallsStartingWith("load "),
              asked ? std::vector<std::string>{"load C:\\pm\\Arvenlo.arx"}
                    : std::vector<std::string>{});
    EXPECT_EQ(product.Has(kHkcu, kNotes, "RunPM"), c.runPmStays);
    EXPECT_EQ(product.Dword(kHkcu, kNotes, "PMByStrr"),
              asked ? std::optional<std::uint32_t>(1) : std::nullopt);
    // The host may unload the starter whatever it answers.
    EXPECT_EQ(host.CallsStartingWith("unlock").size(), 1u);
    EXPECT_EQ(host.CallsStartingWith("mdi").size(), 1u);
  }
}

TEST(StarterTest, CompanionsComeFirstAndOnlyTheInHostModuleDecides) {
  struct Case {
    const char* label;
    bool ae, ce, pm;
    bool pmLoads;
    std::vector<std::string> loads;
    int result;
  };
  const Case cases[] = {
      {"all", true, true, true, true, {"load C:\\a\\ae.dll", "load C:\\c\\ce.dll", "load C:\\pm.arx"},
       host::kRetOK},
      {"module only", false, false, true, true, {"load C:\\pm.arx"}, host::kRetOK},
      {"no module", true, true, false, true, {"load C:\\a\\ae.dll", "load C:\\c\\ce.dll"},
       host::kRetError},
      {"module fails", false, true, true, false, {"load C:\\c\\ce.dll", "load C:\\pm.arx"},
       host::kRetError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScratchProduct product;
    CurrentProfileDesign(product);
    product.WriteDword(kHkcu, kNotes, "RunPM", 1);
    if (c.ae) product.WriteString(kHklm, kSetup, "AePath", "C:\\a\\ae.dll");
    if (c.ce) product.WriteString(kHklm, kSetup, "CePath", "C:\\c\\ce.dll", platform::kRegExpandSz);
    if (c.pm) product.WriteString(kHklm, kSetup, "PmPath", "C:\\pm.arx");
    FakeHost host(product.key());
    host.loadResults["C:\\a\\ae.dll"] = false;  // a failing companion changes nothing
    host.loadResults["C:\\pm.arx"] = c.pmLoads;
    EXPECT_EQ(starter::EntryPoint(&host, host::kInitAppMsg, nullptr), c.result);
    EXPECT_EQ(host.CallsStartingWith("load "), c.loads);
    // The request was used up before anything was loaded.
    EXPECT_FALSE(product.Has(kHkcu, kNotes, "RunPM"));
  }
}

TEST(StarterTest, OldReleasesReadTheSetUpValuesFromTheirOwnKey) {
  ScratchProduct product("R15.0");
  CurrentProfileDesign(product);
  product.WriteDword(kHkcu, kNotes, "RunPM", 2);
  product.WriteString(kHklm, kSetup, "PmPath", "C:\\wrong.arx");
  product.WriteString(kHklm, "QyApps\\Arvenlo", "PmPath", "C:\\right.arx");
  FakeHost host(product.key());
  EXPECT_EQ(starter::EntryPoint(&host, host::kInitAppMsg, nullptr), host::kRetOK);
  EXPECT_EQ(host.CallsStartingWith("load "), std::vector<std::string>{"load C:\\right.arx"});
}

TEST(StarterTest, StringValuesMustBeWellFormed) {
  struct Case {
    const char* label;
    std::uint32_t type;
    std::string bytes;
    std::optional<std::string> read;
  };
  const std::string longest(519, 'p');
  const Case cases[] = {
      {"plain", platform::kRegSz, std::string("C:\\m.arx\0", 9), "C:\\m.arx"},
      {"expandable, as stored", platform::kRegExpandSz, std::string("%X%\\m\0", 7), "%X%\\m"},
      {"empty", platform::kRegSz, "", ""},
      {"519 characters", platform::kRegSz, longest + '\0', longest},
      {"520 characters", platform::kRegSz, longest + "p" + '\0', std::nullopt},
      {"a number", platform::kRegDword, std::string("\1\0\0\0", 4), std::nullopt},
      {"several strings", platform::kRegMultiSz, std::string("a\0b\0\0", 5), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScratchProduct product;
    product.Write(kHklm, kSetup, "PmPath", c.type, c.bytes);
    platform::RegHandle key = 0;
    ASSERT_EQ(platform::RegOpen(kHklm, (product.key() + "\\" + kSetup).c_str(), platform::kKeyRead,
                                &key),
              platform::kErrSuccess);
    EXPECT_EQ(starter::ReadStarterString(key, "PmPath"), c.read);
    platform::RegClose(key);
  }
}

TEST(StarterTest, AnswersEveryOtherMessageWithTheErrorCode) {
  ScratchProduct product;
  CurrentProfileDesign(product);
  product.WriteDword(kHkcu, kNotes, "RunPM", 1);
  product.WriteString(kHklm, kSetup, "PmPath", "C:\\pm.arx");
  FakeHost host(product.key());
  for (int message : {host::kUnloadAppMsg, host::kInitDialogMsg, 0, 7})
    EXPECT_EQ(starter::EntryPoint(&host, message, nullptr), host::kRetError);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(product.Has(kHkcu, kNotes, "RunPM"));

  host.hasLinker = false;
  EXPECT_EQ(starter::EntryPoint(&host, host::kInitAppMsg, nullptr), host::kRetError);
  EXPECT_TRUE(product.Has(kHkcu, kNotes, "RunPM"));
}

TEST(StarterTest, WithoutAWellFormedCurrentProfileNothingIsAsked) {
  ScratchProduct product;
  product.Write(kHkcu, "Profiles", "", platform::kRegDword, std::string("\1\0\0\0", 4));
  // A note where an empty profile component would lead must not count.
  product.WriteDword(kHkcu, "Profiles\\Arvenlo", "RunPM", 1);
  product.WriteString(kHklm, kSetup, "PmPath", "C:\\pm.arx");
  FakeHost host(product.key());
  EXPECT_EQ(starter::EntryPoint(&host, host::kInitAppMsg, nullptr), host::kRetError);
  EXPECT_TRUE(host.CallsStartingWith("load ").empty());
}

}  // namespace
