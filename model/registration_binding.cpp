// The model's library calls, forwarded to the module's run-time binding.
#include "model/registration.h"

#include "common/reglib_binding.h"

namespace model {
namespace {

class BindingRegistration final : public Registration {
 public:
  void SetupPManIni(int target, const std::string& acadId, const std::string& iniPath,
                    const std::string& section, int overwrite) override {
    common::SetupPManIni(target, acadId, iniPath, section, overwrite);
  }
  void RegisterAppInPManIniEx(int target, const std::string& acadId, const std::string& iniPath,
                              const std::string& section, int overwrite) override {
    common::RegisterAppInPManIniEx(target, acadId, iniPath, section, overwrite);
  }
  int RegisterAppInProfileEx(const std::string& acadId, const std::string& profile,
                             const std::string& app, int exclusive) override {
    return common::RegisterAppInProfileEx(acadId, profile, app, exclusive);
  }
  void UnregAppInProfile(const std::string& acadId, const std::string& profile,
                         const std::string& app) override {
    common::UnregAppInProfile(acadId, profile, app);
  }
};

}  // namespace

Registration& LibraryRegistration() {
  static BindingRegistration binding;
  return binding;
}

}  // namespace model
