// The exported entry point of Arvenlo.dbx.
#include "host/host_access.h"
#include "starter/starter.h"

extern "C" __declspec(dllexport) int acrxEntryPoint(int message, void* appId) {
  return starter::EntryPoint(host::Get(), message, appId);
}
