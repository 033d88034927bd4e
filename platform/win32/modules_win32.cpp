// Modules on Windows: LoadLibrary, GetProcAddress, VirtualQuery.
#include <windows.h>

#include "platform/modules.h"

namespace platform {

ModuleHandle LoadModule(const std::string& path) { return LoadLibraryA(path.c_str()); }

void* FindEntryPoint(ModuleHandle module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void FreeModule(ModuleHandle module) {
  if (module) FreeLibrary(static_cast<HMODULE>(module));
}

ModuleHandle FindLoadedModule(const std::string& name) { return GetModuleHandleA(name.c_str()); }

ModuleHandle ModuleOf(const void* address) {
  MEMORY_BASIC_INFORMATION info;
  if (VirtualQuery(address, &info, sizeof info) == 0) return nullptr;
  return info.AllocationBase;
}

std::string ModulePath(ModuleHandle module) {
  // Long paths are possible; grow until the name fits.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(static_cast<HMODULE>(module), path.data(),
                                      static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

ModuleHandle ThisModule() { return ModuleOf(reinterpret_cast<const void*>(&ThisModule)); }

std::string ThisModulePath() { return ModulePath(ThisModule()); }

}  // namespace platform
