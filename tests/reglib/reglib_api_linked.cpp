// The entry points of the library linked into the test program.
#include "tests/reglib/reglib_api.h"

const RegLibApi& Lib() {
  static const RegLibApi api = [] {
    RegLibApi a;
#define REGLIB_API_FILL(name) a.name = &::name;
    REGLIB_EXPORT_NAMES(REGLIB_API_FILL)
#undef REGLIB_API_FILL
    return a;
  }();
  return api;
}

int ExportCount() {
#define REGLIB_API_COUNT(name) +1
  return 0 REGLIB_EXPORT_NAMES(REGLIB_API_COUNT);
}

int FoundExportCount() { return ExportCount(); }
