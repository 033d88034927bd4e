// The registration-library calls the model makes. The model writes link
// keys and runs the Products.ini sections only through the library; this
// interface is the one place those calls leave the model, so tests can
// watch them and stand in for the library.
#pragma once

#include <string>

namespace model {

class Registration {
 public:
  virtual ~Registration() = default;
  virtual void SetupPManIni(int target, const std::string& acadId, const std::string& iniPath,
                            const std::string& section, int overwrite) = 0;
  virtual void RegisterAppInPManIniEx(int target, const std::string& acadId,
                                      const std::string& iniPath, const std::string& section,
                                      int overwrite) = 0;
  virtual int RegisterAppInProfileEx(const std::string& acadId, const std::string& profile,
                                     const std::string& app, int exclusive) = 0;
  virtual void UnregAppInProfile(const std::string& acadId, const std::string& profile,
                                 const std::string& app) = 0;
};

// The run-time binding of the registration library: every call does nothing
// when the library or its entry point is missing.
Registration& LibraryRegistration();

}  // namespace model
