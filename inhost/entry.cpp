// The exported entry point of Arvenlo.arx and, compiled with
// ARVENLO_INHOST_LT, of Arvenlo.alx.
#include "host/host_access.h"
#include "inhost/build.h"
#include "inhost/module.h"

extern "C" __declspec(dllexport) int acrxEntryPoint(int message, void* packet) {
#ifdef ARVENLO_INHOST_LT
  inhost::SetBuild(inhost::Build::kLt);
#else
  inhost::SetBuild(inhost::Build::kAcad);
#endif
  return inhost::ModuleEntryPoint(host::Get(), message, packet);
}
