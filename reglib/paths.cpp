#include "reglib/paths.h"

#include "reglib/text_util.h"

namespace reglib {

bool IsOlderAppRelease(const std::string& acadId) {
  return Contains(acadId, "\\R15.0\\") || Contains(acadId, "\\R6\\") ||
         Contains(acadId, "\\R7\\") || Contains(acadId, "\\R8\\");
}

bool IsOlderCommandRelease(const std::string& acadId) {
  return Contains(acadId, "AutoCAD\\R15") || Contains(acadId, "AutoCAD LT\\R6") ||
         Contains(acadId, "AutoCAD LT\\R7") || Contains(acadId, "AutoCAD LT\\R8");
}

std::string ManagerRoot(const std::string& acadId) {
  bool older = Contains(acadId, "\\R15.0\\") || Contains(acadId, "\\R8\\");
  return ProductKeyPath(acadId) + (older ? "\\QyApps\\" : "\\Applications\\") + "Arvenlo";
}

std::string ManagerRecord(const std::string& acadId, const std::string& app) {
  return ManagerRoot(acadId) + "\\Applications\\" + app;
}

std::string ProfilesPath(const std::string& acadId) {
  return ProductKeyPath(acadId) + "\\Profiles";
}

std::string ProfilePath(const std::string& acadId, const std::string& profile) {
  return ProfilesPath(acadId) + "\\" + profile;
}

std::string ProfileArvenloPath(const std::string& acadId, const std::string& profile) {
  return ProfilePath(acadId, profile) + "\\Arvenlo";
}

std::string ProfileLinksPath(const std::string& acadId, const std::string& profile) {
  return ProfileArvenloPath(acadId, profile) + "\\Applications";
}

}  // namespace reglib
