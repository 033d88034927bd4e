#include "host/host_access.h"

namespace host {

// The lookup lives in the platform file of its own (host_lookup_*.cpp).
Host* LookUpHostInterface();

namespace {
Host* g_installed = nullptr;
bool g_lookedUp = false;
Host* g_found = nullptr;
}  // namespace

Host* Get() {
  if (g_installed) return g_installed;
  if (!g_lookedUp) {
    g_found = LookUpHostInterface();
    g_lookedUp = true;
  }
  return g_found;
}

void Install(Host* replacement) {
  g_installed = replacement;
  g_lookedUp = false;
  g_found = nullptr;
}

}  // namespace host
