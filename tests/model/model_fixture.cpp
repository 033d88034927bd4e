#include "tests/model/model_fixture.h"

#include "platform/files.h"
#include "platform/registry_key.h"
#include "model/registry_paths.h"
#ifndef _WIN32
#include "platform/posix/simulation.h"
#endif

namespace model_test {

void ModelTest::SetUp() {
#ifndef _WIN32
  platform::posix::ResetRegistry();
  platform::posix::SimulateProcess(platform::posix::ProcessKind::k64BitProcess);
#else
  testsupport::DeleteRegTree(platform::kHkeyLocalMachine, "Software\\Autodesk");
  testsupport::DeleteRegTree(platform::kHkeyCurrentUser, "Software\\Autodesk");
#endif
}

void ModelTest::TearDown() {
  for (const std::string& file : files_) platform::DeleteOneFile(file);
#ifdef _WIN32
  testsupport::DeleteRegTree(platform::kHkeyLocalMachine, "Software\\Autodesk");
  testsupport::DeleteRegTree(platform::kHkeyCurrentUser, "Software\\Autodesk");
#endif
}

void ModelTest::Import(const std::string& text, std::uint32_t view) {
  std::string error;
  ASSERT_TRUE(testsupport::ImportReg("REGEDIT4\n" + text, view, &error)) << error;
}

std::string ModelTest::TempFile(const std::string& name, const std::string& contents) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string path = platform::TempPath() + "arvenlo-model-" + info->name() + "-" + name;
  EXPECT_TRUE(platform::WriteWholeFile(path, contents)) << path;
  files_.push_back(path);
  return path;
}

namespace {

std::string Call(const std::string& name, std::initializer_list<std::string> args) {
  std::string text = name + "(";
  bool first = true;
  for (const std::string& arg : args) {
    text += (first ? "" : ", ") + arg;
    first = false;
  }
  return text + ")";
}

bool HasSubkeys(const platform::RegistryKey& key) {
  std::string name;
  return key.EnumKeyName(0, &name) == platform::kErrSuccess;
}

}  // namespace

void FakeRegistration::SetupPManIni(int target, const std::string& acadId,
                                    const std::string& iniPath, const std::string& section,
                                    int overwrite) {
  calls.push_back(Call("SetupPManIni", {std::to_string(target), acadId, iniPath, section,
                                        std::to_string(overwrite)}));
}

void FakeRegistration::RegisterAppInPManIniEx(int target, const std::string& acadId,
                                              const std::string& iniPath,
                                              const std::string& section, int overwrite) {
  calls.push_back(Call("RegisterAppInPManIniEx", {std::to_string(target), acadId, iniPath,
                                                  section, std::to_string(overwrite)}));
}

int FakeRegistration::RegisterAppInProfileEx(const std::string& acadId,
                                             const std::string& profile, const std::string& app,
                                             int exclusive) {
  calls.push_back(
      Call("RegisterAppInProfileEx", {acadId, profile, app, std::to_string(exclusive)}));
  if (!writeRegistry) return 1;
  platform::RegistryKey link;
  if (link.Create(platform::kHkeyCurrentUser,
                  model::LinkKeyPath(model::kAutodeskPrefix + acadId, profile, app),
                  platform::kKeyAllAccess) != platform::kErrSuccess)
    return 0;
  link.WriteDword("LoadOrder", 0);
  link.WriteDword("MenuLoaded", 0);
  return 1;
}

void FakeRegistration::UnregAppInProfile(const std::string& acadId, const std::string& profile,
                                         const std::string& app) {
  calls.push_back(Call("UnregAppInProfile", {acadId, profile, app}));
  if (!writeRegistry) return;
  const std::string productKey = model::kAutodeskPrefix + acadId;
  platform::RegistryKey links;
  if (links.Open(platform::kHkeyCurrentUser, model::ProfileLinksKeyPath(productKey, profile),
                 platform::kKeyAllAccess) != platform::kErrSuccess)
    return;
  testsupport::DeleteRegTree(links.handle(), app);
  bool empty = !HasSubkeys(links);
  links.Close();
  if (!empty) return;
  platform::RegistryKey arvenlo;
  if (arvenlo.Open(platform::kHkeyCurrentUser, model::ProfileArvenloKeyPath(productKey, profile),
                   platform::kKeyAllAccess) != platform::kErrSuccess)
    return;
  platform::RegRemoveKey(arvenlo.handle(), "Applications");
  empty = !HasSubkeys(arvenlo);
  arvenlo.Close();
  platform::RegistryKey prof;
  if (empty && prof.Open(platform::kHkeyCurrentUser, model::ProfileKeyPath(productKey, profile),
                         platform::kKeyAllAccess) == platform::kErrSuccess)
    platform::RegRemoveKey(prof.handle(), "Arvenlo");
}

}  // namespace model_test
