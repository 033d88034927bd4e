// Modules for the posix backend: dlopen, dlsym, dlclose, and dladdr to find
// the shared object (or program) that holds an address. A module handle is
// what dlopen returns; glibc makes that the module's link map, which is what
// dladdr1 reports too, so a handle found from an address equals the one
// LoadModule gave for the same module, as HMODULEs do on Windows.
//
// Not here: the Windows search order for a bare file name (dlopen's own
// rules apply), and the ".dll" GetModuleHandle adds to a name without one.

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/modules.h"
#include "platform/posix/native_path.h"

namespace platform {
namespace {

// The running program's file.
std::string ProgramPath() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return std::string();
  return std::string(path, static_cast<std::size_t>(length));
}

std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct LoadedSearch {
  std::string wanted;  // a file name, or a path when it holds a "/"
  std::string found;   // the loaded module's path as the loader knows it
  bool foundProgram = false;
};

int MatchLoaded(dl_phdr_info* info, std::size_t, void* data) {
  auto* search = static_cast<LoadedSearch*>(data);
  bool byPath = search->wanted.find('/') != std::string::npos;
  std::string name = info->dlpi_name ? info->dlpi_name : "";
  bool isProgram = name.empty();
  if (isProgram) name = ProgramPath();
  if (name.empty() || (byPath ? name : FileNameOf(name)) != search->wanted) return 0;
  search->found = name;
  search->foundProgram = isProgram;
  return 1;
}

// Lives in this file only, so its address names the module this copy of the
// platform library was linked into even when another module exports one
// with the same name.
void Anchor() {}

}  // namespace

ModuleHandle LoadModule(const std::string& path) {
  return dlopen(posix::NativePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindEntryPoint(ModuleHandle module, const char* name) {
  if (!module || !name) return nullptr;
  return dlsym(module, name);
}

void FreeModule(ModuleHandle module) {
  if (module) dlclose(module);
}

ModuleHandle FindLoadedModule(const std::string& name) {
  LoadedSearch search;
  search.wanted = posix::NativePath(name);
  if (search.wanted.empty() || !dl_iterate_phdr(MatchLoaded, &search)) return nullptr;
  // RTLD_NOLOAD finds it without loading anything; the reference it counts
  // is given back at once, as GetModuleHandle counts none.
  ModuleHandle module = dlopen(search.foundProgram ? nullptr : search.found.c_str(),
                               RTLD_LAZY | RTLD_NOLOAD);
  if (module) dlclose(module);
  return module;
}

ModuleHandle ModuleOf(const void* address) {
  Dl_info info;
  void* linkMap = nullptr;
  if (!address || !dladdr1(address, &info, &linkMap, RTLD_DL_LINKMAP)) return nullptr;
  return linkMap;
}

std::string ModulePath(ModuleHandle module) {
  // As GetModuleFileName: no module means the program.
  if (!module) return ProgramPath();
  link_map* map = nullptr;
  if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || !map) return std::string();
  if (!map->l_name || !*map->l_name) return ProgramPath();
  if (map->l_name[0] == '/') return map->l_name;
  char full[PATH_MAX];
  return realpath(map->l_name, full) ? std::string(full) : std::string(map->l_name);
}

ModuleHandle ThisModule() { return ModuleOf(reinterpret_cast<const void*>(&Anchor)); }

std::string ThisModulePath() { return ModulePath(ThisModule()); }

}  // namespace platform
