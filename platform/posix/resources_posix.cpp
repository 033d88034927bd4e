// Resources for the posix backend: no module carries any, so tests put them
// in a table (simulation.h) keyed as Windows finds them: module, type,
// identifier and language. A null module is the program itself, as with
// FindResourceEx. The table is not a resource compiler: it hands back the
// bytes it was given.

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <tuple>

#include "platform/posix/simulation.h"
#include "platform/resources.h"

namespace platform {
namespace {

using ResourceKey = std::tuple<ModuleHandle, std::uint16_t, std::uint16_t, std::uint16_t>;
using StringKey = std::tuple<ModuleHandle, std::uint16_t>;

struct ResourceTable {
  std::mutex lock;
  // Node-based: a view handed out stays valid until its entry is replaced or
  // the table is cleared.
  std::map<ResourceKey, std::string> resources;
  std::map<StringKey, std::u16string> defaultStrings;
};

ResourceTable& Table() {
  static ResourceTable table;
  return table;
}

ModuleHandle ProgramIfNull(ModuleHandle module) {
  if (module) return module;
  // glibc hands out the main program's handle without counting a reference
  // that would matter; closing it again keeps the books even.
  ModuleHandle program = dlopen(nullptr, RTLD_LAZY);
  if (program) dlclose(program);
  return program;
}

}  // namespace

std::string_view FindResourceData(ModuleHandle module, std::uint16_t type, std::uint16_t id,
                                  std::uint16_t language) {
  ResourceTable& table = Table();
  std::lock_guard<std::mutex> hold(table.lock);
  auto found = table.resources.find({ProgramIfNull(module), type, id, language});
  if (found == table.resources.end()) return {};
  return found->second;
}

std::u16string LoadStringDefault(ModuleHandle module, std::uint16_t id) {
  ResourceTable& table = Table();
  std::lock_guard<std::mutex> hold(table.lock);
  auto found = table.defaultStrings.find({ProgramIfNull(module), id});
  if (found == table.defaultStrings.end()) return std::u16string();
  return found->second;
}

namespace posix {

void AddResource(ModuleHandle module, std::uint16_t type, std::uint16_t id, std::uint16_t language,
                 const std::string& bytes) {
  ResourceTable& table = Table();
  std::lock_guard<std::mutex> hold(table.lock);
  table.resources[{ProgramIfNull(module), type, id, language}] = bytes;
}

void SetDefaultString(ModuleHandle module, std::uint16_t id, const std::u16string& text) {
  ResourceTable& table = Table();
  std::lock_guard<std::mutex> hold(table.lock);
  table.defaultStrings[{ProgramIfNull(module), id}] = text;
}

void ClearResources() {
  ResourceTable& table = Table();
  std::lock_guard<std::mutex> hold(table.lock);
  table.resources.clear();
  table.defaultStrings.clear();
}

}  // namespace posix
}  // namespace platform
