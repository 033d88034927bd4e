// The model's library calls, forwarded to the module's run-time binding.
// A build without the shared helpers (ARVENLO_MODEL_NO_BINDING) has no
// binding to forward to and behaves as if the library were missing.
#include "model/registration.h"
#ifndef ARVENLO_MODEL_NO_BINDING
#include "common/reglib_binding.h"
#endif

namespace model {
namespace {

#ifdef ARVENLO_MODEL_NO_BINDING
namespace common {
inline void SetupPManIni(int, const std::string&, const std::string&, const std::string&, int) {}
inline void RegisterAppInPManIniEx(int, const std::string&, const std::string&,
                                   const std::string&, int) {}
inline int RegisterAppInProfileEx(const std::string&, const std::string&, const std::string&,
                                  int) {
  return 0;
}
inline void UnregAppInProfile(const std::string&, const std::string&, const std::string&) {}
}  // namespace common
#endif

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
