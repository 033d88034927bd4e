// The library's exports as a table of entry points, so that one set of tests
// drives the library linked in (natively, over the in-memory registry) and
// QyVeskReg.dll loaded by name (under Wine, over the real registry), the way
// an installer calls it.
#pragma once

#include "reglib/QyVeskReg.h"

#define REGLIB_EXPORT_NAMES(X)                                                              \
  X(StartEnumAutoDeskProducts) X(GetNextAutoDeskProduct) X(RegisterAppEx) X(RegisterApp)      \
  X(UnregApp) X(UnregAppAllAcads) X(RegisterCommandEx) X(RegisterCommand) X(AddSupportPath)   \
  X(RemoveSupportPath) X(GetAppRegStringValue) X(GetCurrentProfileNameEx) X(CopyProfileEx)    \
  X(CreateProfile) X(DeleteProfile) X(DeleteProfileAllAcads) X(SetupPManEx) X(SetupPMan)      \
  X(SetupPManIni) X(SetupPManIni3264) X(SearchNewProducts) X(RegisterAppInPManIniEx)          \
  X(RegisterAppInPManIni) X(DeleteAppDataIniEx) X(DeleteAppDataIni) X(RegisterAppInPMan)      \
  X(UnregAppInPMan) X(UnregAppInPManAllAcads) X(RegisterAppInProfileEx)                       \
  X(RegisterAppInProfile) X(UnregAppInProfile) X(UnregAppsInProfile)                          \
  X(RegisterPManToolbarItem)

struct RegLibApi {
#define REGLIB_API_MEMBER(name) decltype(&::name) name = nullptr;
  REGLIB_EXPORT_NAMES(REGLIB_API_MEMBER)
#undef REGLIB_API_MEMBER
};

// The entry points under test (fails the test program when one is missing).
const RegLibApi& Lib();

// How many entry points the table holds, and how many were found.
int ExportCount();
int FoundExportCount();
