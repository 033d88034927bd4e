// A clean registry for every case: natively the in-memory registry is
// emptied; under Wine the Autodesk trees of both roots are removed (the
// cases of this folder hold a CTest resource lock on them).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/records.h"
#include "model/registration.h"
#include "platform/registry.h"
#include "tests/support/reg_text.h"

namespace model_test {

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Imports .reg text (the header line is added); fails the case on error.
  void Import(const std::string& text, std::uint32_t view = 0);

  // A file below the temporary folder, removed after the case.
  std::string TempFile(const std::string& name, const std::string& contents);

  std::string ExportCurrentUser(const std::string& path) {
    return testsupport::ExportRegTree(platform::kHkeyCurrentUser, path);
  }

 private:
  std::vector<std::string> files_;
};

// Stands in for the registration library: records every call and, for the
// profile links, does to the registry what the library does (a link key
// with LoadOrder and MenuLoaded 0; unlinking removes the key and then the
// profile's Applications and Arvenlo keys once they are empty).
class FakeRegistration : public model::Registration {
 public:
  void SetupPManIni(int target, const std::string& acadId, const std::string& iniPath,
                    const std::string& section, int overwrite) override;
  void RegisterAppInPManIniEx(int target, const std::string& acadId, const std::string& iniPath,
                              const std::string& section, int overwrite) override;
  int RegisterAppInProfileEx(const std::string& acadId, const std::string& profile,
                             const std::string& app, int exclusive) override;
  void UnregAppInProfile(const std::string& acadId, const std::string& profile,
                         const std::string& app) override;

  std::vector<std::string> calls;
  bool writeRegistry = true;
};

// The installation most cases use.
inline constexpr const char* kProductKey = "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409";

}  // namespace model_test
