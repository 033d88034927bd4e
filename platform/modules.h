// Loading modules by path and finding named entry points
// (LoadLibrary/GetProcAddress; dlopen/dlsym), and the file of the module
// that holds the running code.
#pragma once

#include <string>

// <windows.h> defines FreeModule as a macro for FreeLibrary, which would turn
// the declaration below into nonsense in a file that includes it first.
#ifdef FreeModule
#undef FreeModule
#endif

namespace platform {

using ModuleHandle = void*;  // null is "no module"

ModuleHandle LoadModule(const std::string& path);
void* FindEntryPoint(ModuleHandle module, const char* name);
void FreeModule(ModuleHandle module);

// An already loaded module by file name (GetModuleHandleA), or null.
ModuleHandle FindLoadedModule(const std::string& name);

// The module whose code holds `address` (VirtualQuery's allocation base, or
// dladdr), and its full path.
ModuleHandle ModuleOf(const void* address);
std::string ModulePath(ModuleHandle module);

// The module that the calling code was linked into: the platform layer is a
// static library, so its own address names the module it is part of.
ModuleHandle ThisModule();
std::string ThisModulePath();

}  // namespace platform
