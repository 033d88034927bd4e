// A stand-in for the registration library QyVeskReg.dll that only records
// how it is called. It exports the seven functions the manager program and
// the in-host modules bind at run time, with the real library's names,
// argument lists, C calling convention and int results.
//
// Each call appends one line to the file named by the environment variable
// ARVENLO_FAKE_REGLIB_LOG (nothing is written when it is unset): the export's
// name and its arguments in order, joined by "|", numbers in decimal, e.g.
//   DeleteProfileAllAcads|Design
//   RegisterAppInProfileEx|AutoCAD\R16.0\ACAD-201:409|Design|App|0
// A null text argument is written as "(null)". Under Wine the variable must
// name a path the Windows program can open (Z:\tmp\... for /tmp/...).
//
// Every export returns the number in ARVENLO_FAKE_REGLIB_RESULT, or 1 when
// that is unset.
//
// Two builds, each named QyVeskReg.dll and kept in a folder of its own under
// the build tree, away from the real deliverables:
//   fake_reglib          ${CMAKE_BINARY_DIR}/fakes/reglib/          all seven exports
//   fake_reglib_partial  ${CMAKE_BINARY_DIR}/fakes/reglib-partial/  without RegisterAppInProfileEx
// Use $<TARGET_FILE:fake_reglib> to copy one beside (or one folder above) the
// program under test. Natively the file is a shared object with the same
// name, so a binding that looks for "QyVeskReg.dll" finds it with dlopen.
#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Read from the process environment itself: a variable the calling program
// set at run time is visible here whichever C runtime each side uses.
std::string Environment(const char* name) {
#ifdef _WIN32
  char buffer[1024];
  DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return std::string();
  return std::string(buffer, length);
#else
  const char* value = std::getenv(name);
  return value ? value : "";
#endif
}

std::string Text(const char* text) { return text ? text : "(null)"; }

int Record(const std::string& line) {
  std::string log = Environment("ARVENLO_FAKE_REGLIB_LOG");
  if (!log.empty()) {
    if (std::FILE* file = std::fopen(log.c_str(), "ab")) {
      std::fputs((line + "\n").c_str(), file);
      std::fclose(file);
    }
  }
  std::string result = Environment("ARVENLO_FAKE_REGLIB_RESULT");
  return result.empty() ? 1 : std::atoi(result.c_str());
}

}  // namespace

#ifdef _WIN32
#define FAKE_EXPORT
#else
#define FAKE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

FAKE_EXPORT int RegisterAppInPManIniEx(int target, const char* acadId, const char* iniPath,
                                       const char* section, int overwrite) {
  return Record("RegisterAppInPManIniEx|" + std::to_string(target) + "|" + Text(acadId) + "|" +
                Text(iniPath) + "|" + Text(section) + "|" + std::to_string(overwrite));
}

#ifndef FAKE_REGLIB_WITHOUT_REGISTER_APP_IN_PROFILE_EX
FAKE_EXPORT int RegisterAppInProfileEx(const char* acadId, const char* profile, const char* app,
                                       int exclusive) {
  return Record("RegisterAppInProfileEx|" + Text(acadId) + "|" + Text(profile) + "|" + Text(app) +
                "|" + std::to_string(exclusive));
}
#endif

FAKE_EXPORT int UnregAppInProfile(const char* acadId, const char* profile, const char* app) {
  return Record("UnregAppInProfile|" + Text(acadId) + "|" + Text(profile) + "|" + Text(app));
}

FAKE_EXPORT int UnregAppsInProfile(const char* acadId, const char* profile) {
  return Record("UnregAppsInProfile|" + Text(acadId) + "|" + Text(profile));
}

FAKE_EXPORT int SetupPManIni(int target, const char* acadId, const char* iniPath,
                             const char* section, int overwrite) {
  return Record("SetupPManIni|" + std::to_string(target) + "|" + Text(acadId) + "|" +
                Text(iniPath) + "|" + Text(section) + "|" + std::to_string(overwrite));
}

FAKE_EXPORT int DeleteProfileAllAcads(const char* profile) {
  return Record("DeleteProfileAllAcads|" + Text(profile));
}

FAKE_EXPORT int UnregAppInPManAllAcads(const char* app) {
  return Record("UnregAppInPManAllAcads|" + Text(app));
}

}  // extern "C"
