// Apply with the registration library's own link functions in place of the
// stand-in: the links the model writes are what the next load reads back.

#include <gtest/gtest.h>

#include "model/apply.h"
#include "model/dump.h"
#include "model/loading.h"
#include "reglib/core.h"
#include "tests/model/model_fixture.h"

namespace model_test {
namespace {

class LibraryCore final : public model::Registration {
 public:
  void SetupPManIni(int target, const std::string& acadId, const std::string& iniPath,
                    const std::string& section, int overwrite) override {
    reglib::SetupPManIni(target, acadId.c_str(), iniPath.c_str(), section.c_str(), overwrite);
  }
  void RegisterAppInPManIniEx(int target, const std::string& acadId, const std::string& iniPath,
                              const std::string& section, int overwrite) override {
    reglib::RegisterAppInPManIniEx(target, acadId.c_str(), iniPath.c_str(), section.c_str(),
                                   overwrite);
  }
  int RegisterAppInProfileEx(const std::string& acadId, const std::string& profile,
                             const std::string& app, int exclusive) override {
    return reglib::RegisterAppInProfileEx(acadId.c_str(), profile.c_str(), app.c_str(),
                                          exclusive);
  }
  void UnregAppInProfile(const std::string& acadId, const std::string& profile,
                         const std::string& app) override {
    reglib::UnregAppInProfile(acadId.c_str(), profile.c_str(), app.c_str());
  }
};

class ApplyWithLibraryTest : public ModelTest {};

TEST_F(ApplyWithLibraryTest, EnabledDisabledAndRenamedLinksReadBackAfterApply) {
  Import(R"(
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409]
"ProductName"="AutoCAD 2005"
"Location"="C:\\Acad"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\A]
"Loader"="a.arx"
[HKEY_LOCAL_MACHINE\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Applications\Arvenlo\Applications\B]
"Loader"="b.arx"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles]
@="P"
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\P\Arvenlo\Applications\A]
"LoadOrder"=dword:00000002
"MenuLoaded"=dword:00000001
[HKEY_CURRENT_USER\Software\Autodesk\AutoCAD\R16.0\ACAD-201:409\Profiles\Q\Arvenlo\Applications\B]
"MenuLoaded"=dword:00000001
)");
  LibraryCore library;
  std::vector<model::PMAcad> acads;
  model::LoadModel(acads, library, "");
  ASSERT_EQ(1u, acads.size());
  ASSERT_EQ(2u, acads[0].m_profiles.size());
  model::PMAcadProfile& p = acads[0].m_profiles[0];
  model::PMAcadProfile& q = acads[0].m_profiles[1];
  ASSERT_EQ("A", p.m_links[0].m_strApp);
  p.m_links[0].m_nState = model::kLinkDisabled;
  p.m_links[1].m_nState = model::kLinkNewlyEnabled;
  q.m_strNewName = "Q2";
  model::ApplyChanges(acads, library);
  const std::string applied = model::DumpModel(acads);

  std::vector<model::PMAcad> reloaded;
  model::LoadModel(reloaded, library, "");
  const std::string dump = model::DumpModel(reloaded);
  EXPECT_EQ(
      "AutoCAD 2005: Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409\n"
      "Current Profile: P\n"
      "Profiles:\n"
      "  P\n"
      "    AppLinks:\n"
      "      B\n"
      "        StdLoadOrder=4294967295\n"
      "        LoadOrder=0\n"
      "        MenuLoaded=0\n"
      "  Q2\n"
      "    AppLinks:\n"
      "      B\n"
      "        StdLoadOrder=4294967295\n"
      "        LoadOrder=0\n"
      "        MenuLoaded=0\n",
      dump.substr(0, dump.find("Applications:")));
  // The model after apply names the same profiles and enabled links; only
  // the numbers it kept differ from what the library wrote.
  EXPECT_NE(std::string::npos, applied.find("  Q2\n    AppLinks:\n      B\n"));
  EXPECT_NE(std::string::npos, applied.find("  P\n    AppLinks:\n      B\n"));
}

}  // namespace
}  // namespace model_test
