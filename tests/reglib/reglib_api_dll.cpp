// The entry points of QyVeskReg.dll, loaded from the test program's own
// folder and looked up by name, as an installer does.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/modules.h"
#include "platform/path.h"
#include "tests/reglib/reglib_api.h"

namespace {

int g_found = 0;

platform::ModuleHandle LoadBesideProgram() {
  std::string folder = platform::FolderOf(platform::ThisModulePath());
  platform::ModuleHandle module = platform::LoadModule(folder + "QyVeskReg.dll");
  if (!module) {
    std::fprintf(stderr, "QyVeskReg.dll not found in %s\n", folder.c_str());
    std::abort();
  }
  return module;
}

}  // namespace

const RegLibApi& Lib() {
  static const RegLibApi api = [] {
    platform::ModuleHandle module = LoadBesideProgram();
    RegLibApi a;
#define REGLIB_API_FIND(name)                                                      \
  a.name = reinterpret_cast<decltype(a.name)>(platform::FindEntryPoint(module, #name)); \
  if (a.name) ++g_found;
    REGLIB_EXPORT_NAMES(REGLIB_API_FIND)
#undef REGLIB_API_FIND
    return a;
  }();
  return api;
}

int ExportCount() {
#define REGLIB_API_COUNT(name) +1
  return 0 REGLIB_EXPORT_NAMES(REGLIB_API_COUNT);
}

int FoundExportCount() {
  Lib();
  return g_found;
}
