// Natively the modules' logic runs inside test programs, which install a
// host of their own; a program that exports the interface is found too.
#include <dlfcn.h>

#include "host/host.h"

namespace host {

Host* LookUpHostInterface() {
  void* symbol = dlsym(RTLD_DEFAULT, kHostInterfaceExport);
  if (!symbol) return nullptr;
  auto function = reinterpret_cast<HostInterfaceFunction>(symbol);
  return function();
}

}  // namespace host
