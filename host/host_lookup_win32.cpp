// The host program exports one function that hands out its interface; a
// module finds it among the exports of the process's executable, as any
// plug-in finds what its host exports.
#include <windows.h>

#include "host/host.h"

namespace host {

Host* LookUpHostInterface() {
  HMODULE program = GetModuleHandleA(nullptr);
  if (!program) return nullptr;
  auto function = reinterpret_cast<HostInterfaceFunction>(
      reinterpret_cast<void*>(GetProcAddress(program, kHostInterfaceExport)));
  return function ? function() : nullptr;
}

}  // namespace host
