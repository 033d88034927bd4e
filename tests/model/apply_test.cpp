// Apply against registry fixtures: profile keys are compared as exported
// text, link writes through the stand-in registration library.

#include <gtest/gtest.h>

#include "model/apply.h"
#include "model/dump.h"
#include "model/loading.h"
#include "model/profile_keys.h"
#include "model/registry_paths.h"
#include "platform/registry_key.h"
#include "tests/model/model_fixture.h"
#ifndef _WIN32
#include "platform/posix/simulation.h"
#endif

namespace model_test {
namespace {

using model::PMAcad;
using model::PMAcadProfile;

constexpr const char* kFixture = R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409]
"ProductName"="AutoCAD 2005"
"Location"="C:\\Acad"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\A]
"Loader"="a.arx"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\B]
"Loader"="b.arx"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles]
@="P"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\P]
@="profile p"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\P\General]
"ACAD"="C:\\Support"
"Grid"=dword:00000001
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\P\General\Deeper\Deepest]
"Flag"=hex:01,02,03
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\P\Arvenlo\Applications\A]
"LoadOrder"=dword:00000000
"MenuLoaded"=dword:00000001
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Q]
@="profile q"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Q\General]
"ACAD"="C:\\Other"
)";

// `text` with the first `from` replaced by `to` (built anew: GCC's -O3
// warns falsely about std::string::replace).
[[maybe_unused]] std::string Substitute(const std::string& text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  if (at == std::string::npos) return text;
  return text.substr(0, at) + to + text.substr(at + from.size());
}

std::string Profiles() { return std::string(kProductKey) + "\\Profiles"; }
std::string Profile(const std::string& name) { return Profiles() + "\\" + name; }

class ApplyTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    Import(kFixture);
    model::LoadModel(acads_, registration_, "");
    ASSERT_EQ(1u, acads_.size());
    ASSERT_EQ(2u, acads_[0].m_profiles.size());
  }
  PMAcad& Acad() { return acads_[0]; }
  PMAcadProfile& Find(const std::string& name) {
    for (auto& profile : Acad().m_profiles)
      if (profile.m_strName == name) return profile;
    ADD_FAILURE() << "no profile " << name;
    return Acad().m_profiles[0];
  }
  // A new profile as the add-profile dialog makes it: A enabled, B not.
  void AddNew(const std::string& name, const std::string& source) {
    PMAcadProfile profile;
    profile.m_strName = name;
    profile.m_strSource = source;
    profile.m_strDesc = "new " + name;
    model::PMAcadAppLink a;
    a.m_strApp = "A";
    model::PMAcadAppLink b;
    b.m_strApp = "B";
    b.m_nState = model::kLinkDisabled;
    profile.m_links = {a, b};
    Acad().m_profiles.push_back(profile);
  }
  // A profile's settings without its description and links.
  std::string Settings(const std::string& name) {
    return ExportCurrentUser(Profile(name) + "\\General");
  }
  bool Exists(const std::string& path) {
    platform::RegistryKey key;
    return key.Open(platform::kHkeyCurrentUser, path, platform::kKeyRead) ==
           platform::kErrSuccess;
  }
  std::string Default(const std::string& path) {
    platform::RegistryKey key;
    if (key.Open(platform::kHkeyCurrentUser, path, platform::kKeyRead) != platform::kErrSuccess)
      return "<no key>";
    return key.ReadString("").value_or("<none>");
  }

  std::vector<PMAcad> acads_;
  FakeRegistration registration_;
};

TEST_F(ApplyTest, NewProfileCopiesFromAnEarlierNewSourceButNotFromALaterOne) {
  AddNew("Later", "Middle");   // its source does not exist yet when it is copied
  AddNew("Middle", "P");
  AddNew("Earlier", "Middle");
  model::ApplyChanges(acads_, registration_);

  EXPECT_EQ(Settings("P"), Settings("Middle"));
  EXPECT_EQ(Settings("P"), Settings("Earlier"));
  EXPECT_EQ("new Middle", Default(Profile("Middle")));
  EXPECT_EQ("new Earlier", Default(Profile("Earlier")));
  // Later's copy failed: only the link registration made its key.
  EXPECT_EQ(
      "[]\n"
      "[Arvenlo]\n"
      "[Arvenlo\\Applications]\n"
      "[Arvenlo\\Applications\\A]\n"
      "\"LoadOrder\"=dword:00000000\n"
      "\"MenuLoaded\"=dword:00000000\n",
      ExportCurrentUser(Profile("Later")));
  for (const auto& profile : Acad().m_profiles) {
    EXPECT_EQ(model::kProfileStored, profile.m_nState) << profile.m_strName;
    for (const auto& link : profile.m_links)
      EXPECT_TRUE(link.m_nState == model::kLinkEnabled || link.m_nState == model::kLinkDisabled);
  }
}

TEST_F(ApplyTest, RenamedTwiceIsCopiedOnceFromTheStoredNameToTheLast) {
  const std::string settings = Settings("P");
  ASSERT_NE("", settings);
  Find("P").m_strNewName = "First";
  Find("P").m_strNewName = "Second";
  Acad().m_strCurProfile = "Second";
  model::ApplyChanges(acads_, registration_);

  EXPECT_FALSE(Exists(Profile("P")));
  EXPECT_FALSE(Exists(Profile("First")));
  EXPECT_EQ(settings, Settings("Second"));
  EXPECT_EQ("profile p", Default(Profile("Second")));
  EXPECT_EQ("Second", Default(Profiles()));
  ASSERT_EQ(2u, Acad().m_profiles.size());
  EXPECT_EQ("Second", Acad().m_profiles[0].m_strName);
  EXPECT_EQ("", Acad().m_profiles[0].m_strNewName);

  std::vector<PMAcad> reloaded;
  model::LoadModel(reloaded, registration_, "");
  EXPECT_EQ(
      "AutoCAD 2005: Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\n"
      "Current Profile: Second\n"
      "Profiles:\n"
      "  Q\n"
      "    AppLinks:\n"
      "  Second\n"
      "    AppLinks:\n"
      "      A\n"
      "        StdLoadOrder=4294967295\n"
      "        LoadOrder=0\n"
      "        MenuLoaded=0\n",
      model::DumpModel(reloaded).substr(0, model::DumpModel(reloaded).find("Applications:")));
}

TEST_F(ApplyTest, RenameThenSetCurrentNamesAKeyThatExists) {
  Find("Q").m_strNewName = "Q2";
  Acad().m_strCurProfile = "Q2";
  model::ApplyChanges(acads_, registration_);
  EXPECT_EQ("Q2", Default(Profiles()));
  EXPECT_EQ("profile q", Default(Profile("Q2")));
  EXPECT_FALSE(Exists(Profile("Q")));
}

TEST_F(ApplyTest, DeletedProfileLosesItsKeyAndItsRecord) {
  Find("Q").m_nState = model::kProfileToDelete;
  model::ApplyChanges(acads_, registration_);
  EXPECT_FALSE(Exists(Profile("Q")));
  ASSERT_EQ(1u, Acad().m_profiles.size());
  EXPECT_EQ("P", Acad().m_profiles[0].m_strName);
  for (const std::string& call : registration_.calls)
    EXPECT_EQ(std::string::npos, call.find(", Q, ")) << call;
}

TEST_F(ApplyTest, ApplyWithoutChangesReRegistersEveryEnabledLink) {
  Find("P").m_strDesc = "edited";
  model::ApplyChanges(acads_, registration_);
  EXPECT_EQ((std::vector<std::string>{
                "RegisterAppInProfileEx(AutoCAD\\R16.0\\ACAD-201:409, P, A, 0)",
                "UnregAppInProfile(AutoCAD\\R16.0\\ACAD-201:409, P, B)",
                "UnregAppInProfile(AutoCAD\\R16.0\\ACAD-201:409, Q, A)",
                "UnregAppInProfile(AutoCAD\\R16.0\\ACAD-201:409, Q, B)",
            }),
            registration_.calls);
  EXPECT_EQ("edited", Default(Profile("P")));
  platform::RegistryKey link;
  ASSERT_EQ(platform::kErrSuccess,
            link.Open(platform::kHkeyCurrentUser, model::LinkKeyPath(kProductKey, "P", "A"),
                      platform::kKeyRead));
  EXPECT_EQ(0u, link.ReadDword("MenuLoaded").value_or(99));
}

TEST_F(ApplyTest, WriteLinksFollowsTheDisplayOrderAndSettlesStates) {
  PMAcadProfile& q = Find("Q");
  ASSERT_EQ(2u, q.m_links.size());
  std::swap(q.m_links[0], q.m_links[1]);  // B before A on the page
  q.m_links[0].m_nState = model::kLinkNewlyEnabled;
  q.m_links[1].m_nState = model::kLinkNewlyEnabled;
  model::WriteLinks(Acad(), q, registration_);
  EXPECT_EQ((std::vector<std::string>{
                "RegisterAppInProfileEx(AutoCAD\\R16.0\\ACAD-201:409, Q, B, 0)",
                "RegisterAppInProfileEx(AutoCAD\\R16.0\\ACAD-201:409, Q, A, 0)",
            }),
            registration_.calls);
  EXPECT_EQ(model::kLinkEnabled, q.m_links[0].m_nState);
  EXPECT_EQ(model::kLinkEnabled, q.m_links[1].m_nState);
}

TEST_F(ApplyTest, CopyKeyTreeCopiesLargeValuesAndLongNames) {
  // AutoCAD keeps values far over 1 KB in a profile; names may be long too.
  std::string big = "hex:";
  for (int i = 0; i < 5000; ++i) {
    if (i > 0) big += ',';
    big += i % 2 ? "ab" : "01";
  }
  Import("[HKEY_CURRENT_USER\\" + Profile("P") + "\\Palettes]\n"
         "\"" + std::string(300, 'n') + "\"=\"long name\"\n"
         "\"Layout\"=" + big + "\n"
         "\"Text\"=\"" + std::string(4000, 't') + "\"\n"
         "\"Paths\"=hex(7):61,00,62,00,00\n"
         "\"Empty\"=hex:\n");
  ASSERT_TRUE(model::CopyProfile(kProductKey, "P", "Copy"));
  EXPECT_EQ(ExportCurrentUser(Profile("P")), ExportCurrentUser(Profile("Copy")));
}

TEST_F(ApplyTest, CopyIntoAnExistingProfileKeepsWhatOnlyTheTargetHas) {
  ASSERT_TRUE(model::CopyProfile(kProductKey, "P", "Q"));
  EXPECT_EQ(
      "[]\n"
      "@=\"profile p\"\n"
      "[Arvenlo]\n"
      "[Arvenlo\\Applications]\n"
      "[Arvenlo\\Applications\\A]\n"
      "\"LoadOrder\"=dword:00000000\n"
      "\"MenuLoaded\"=dword:00000001\n"
      "[General]\n"
      "\"ACAD\"=\"C:\\\\Support\"\n"
      "\"Grid\"=dword:00000001\n"
      "[General\\Deeper]\n"
      "[General\\Deeper\\Deepest]\n"
      "\"Flag\"=hex(3):01,02,03\n",
      ExportCurrentUser(Profile("Q")));
  EXPECT_FALSE(model::CopyProfile(kProductKey, "Missing", "Other"));
  EXPECT_FALSE(Exists(Profile("Other")));
}

TEST_F(ApplyTest, DeleteProfileKeyRemovesTheWholeTree) {
  EXPECT_TRUE(model::DeleteProfileKey(kProductKey, "P"));
  EXPECT_FALSE(Exists(Profile("P")));
  EXPECT_TRUE(Exists(Profile("Q")));
  EXPECT_FALSE(model::DeleteProfileKey(kProductKey, "P"));
}

#ifndef _WIN32
TEST_F(ApplyTest, FailedRenameCopyKeepsTheProfileAndItsPendingName) {
  // A subkey of P that cannot be opened for writing makes the copy fail.
  platform::posix::DenyAccess(platform::kHkeyCurrentUser, Profile("P") + "\\Zeta",
                              platform::kKeySetValue);
  const std::string before =
      Substitute(ExportCurrentUser(Profile("P")), "profile p", "described");
  Find("P").m_strNewName = "Renamed";
  Find("P").m_strDesc = "described";
  Acad().m_strCurProfile = "Renamed";
  model::ApplyChanges(acads_, registration_);

  // Everything is still there; only the description (written to the key
  // the profile still has) and MenuLoaded (re-registered link) changed.
  EXPECT_EQ(before, Substitute(ExportCurrentUser(Profile("P")), "\"MenuLoaded\"=dword:00000000",
                               "\"MenuLoaded\"=dword:00000001"));
  EXPECT_FALSE(Exists(Profile("Renamed")));  // no half copy left behind
  EXPECT_EQ("described", Default(Profile("P")));
  EXPECT_EQ("P", Default(Profiles()));  // current under the name its key has

  ASSERT_EQ(2u, Acad().m_profiles.size());
  const PMAcadProfile& p = Acad().m_profiles[0];
  EXPECT_EQ("P", p.m_strName);
  EXPECT_EQ("Renamed", p.m_strNewName);
  EXPECT_EQ(model::kProfileStored, p.m_nState);
  EXPECT_EQ("Renamed", Acad().m_strCurProfile);
  EXPECT_EQ("RegisterAppInProfileEx(AutoCAD\\R16.0\\ACAD-201:409, P, A, 0)",
            registration_.calls.at(0));
}

TEST_F(ApplyTest, CopyThatFailsHalfWayLeavesNoTargetItCreated) {
  platform::posix::DenyAccess(platform::kHkeyCurrentUser, Profile("P") + "\\Zeta",
                              platform::kKeySetValue);
  EXPECT_FALSE(model::CopyProfile(kProductKey, "P", "New"));
  EXPECT_FALSE(Exists(Profile("New")));
  // An existing target is not removed: it was somebody's profile already.
  EXPECT_FALSE(model::CopyProfile(kProductKey, "P", "Q"));
  EXPECT_TRUE(Exists(Profile("Q")));
  EXPECT_EQ(0u, platform::posix::OpenHandleCount());
}
#endif

TEST(PMAcadCopy, LinksOfACopyPointIntoTheCopysApplications) {
  PMAcad source;
  source.m_apps.resize(2);
  source.m_apps[0].m_strName = "A";
  source.m_apps[1].m_strName = "B";
  model::PMApplication elsewhere;
  PMAcadProfile profile;
  profile.m_links.resize(4);
  profile.m_links[0].m_pApp = &source.m_apps[1];
  profile.m_links[1].m_pApp = &source.m_apps[0];
  profile.m_links[2].m_pApp = nullptr;
  profile.m_links[3].m_pApp = &elsewhere;
  source.m_profiles.push_back(profile);

  PMAcad copy(source);
  PMAcad assigned;
  assigned = source;
  for (const PMAcad* c : {&copy, &assigned}) {
    const auto& links = c->m_profiles[0].m_links;
    EXPECT_EQ(&c->m_apps[1], links[0].m_pApp);
    EXPECT_EQ(&c->m_apps[0], links[1].m_pApp);
    EXPECT_EQ(nullptr, links[2].m_pApp);
    EXPECT_EQ(&elsewhere, links[3].m_pApp);
  }
  // Moving keeps the storage, so links stay valid; a vector of installations
  // that grows keeps them too.
  std::vector<PMAcad> many;
  many.push_back(copy);
  for (int i = 0; i < 20; ++i) many.push_back(source);
  EXPECT_EQ(&many[0].m_apps[1], many[0].m_profiles[0].m_links[0].m_pApp);
  EXPECT_EQ(&many[20].m_apps[0], many[20].m_profiles[0].m_links[1].m_pApp);
}

TEST(PMAcadRecords, FreshRecordsHaveTheirDefaults) {
  EXPECT_EQ(model::kProfileToCreate, PMAcadProfile().m_nState);
  EXPECT_EQ(model::kLinkNewlyEnabled, model::PMAcadAppLink().m_nState);
  EXPECT_EQ(nullptr, model::PMAcadAppLink().m_pApp);
  EXPECT_EQ(0xFFFFFFFFu, model::PMApplication().m_nStdLoadOrder);
  PMAcadProfile renamed;
  renamed.m_strName = "Old";
  EXPECT_EQ("Old", renamed.DisplayName());
  renamed.m_strNewName = "New";
  EXPECT_EQ("New", renamed.DisplayName());
}

}  // namespace
}  // namespace model_test
