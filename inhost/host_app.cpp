#include "inhost/host_app.h"

#include <utility>

#include "inhost/registry_values.h"
#include "platform/registry_key.h"

namespace inhost {

namespace {

constexpr std::uint32_t kMaxValueChars = 1039;
constexpr std::uint32_t kMaxKeyNameChars = 255;

std::vector<std::string> SplitAtSpaces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

// Whether a comes before b, or may stay there.
bool InOrder(const PMHostApp& a, const PMHostApp& b) {
  if (a.loadOrder != 0 && (b.loadOrder == 0 || a.loadOrder <= b.loadOrder)) return true;
  return a.loadOrder == 0 && b.loadOrder == 0 && a.stdLoadOrder <= b.stdLoadOrder;
}

}  // namespace

bool SameApplication(const PMHostApp& a, const PMHostApp& b) { return a.loaders == b.loaders; }

bool ReadApplication(const std::string& productKey, const std::string& name, PMHostApp* record) {
  const std::string root = ApplicationRoot(productKey);
  platform::RegistryKey app;
  if (app.Open(platform::kHkeyLocalMachine, root + "\\Applications\\" + name,
               platform::kKeyRead) != platform::kErrSuccess)
    return false;
  record->name = name;
  if (auto publisher = ReadHostString(app.handle(), "Publisher", kMaxValueChars))
    record->publisher = *publisher;
  auto loader = ReadHostString(app.handle(), "Loader", kMaxValueChars);
  if (!loader) return false;
  record->loaders.push_back(*loader);
  for (int i = 1; i <= 65534; ++i) {
    std::string valueName = "Loader" + std::to_string(i);
    auto more = ReadHostString(app.handle(), valueName.c_str(), kMaxValueChars);
    if (!more) break;
    record->loaders.push_back(*more);
  }
  if (auto groups = ReadHostString(app.handle(), "CommandGroups", kMaxValueChars))
    record->commandGroups = SplitAtSpaces(*groups);
  if (auto modules = ReadHostString(app.handle(), "Modules", kMaxValueChars))
    record->modules = SplitAtSpaces(*modules);
  if (auto unloadable = ReadHostDword(app.handle(), "Unloadable")) record->unloadable = *unloadable;
  {
    platform::RegistryKey order;
    if (order.Open(platform::kHkeyLocalMachine, root + "\\StdLoadOrder", platform::kKeyRead) ==
        platform::kErrSuccess)
      if (auto position = ReadHostDword(order.handle(), name.c_str()))
        record->stdLoadOrder = *position;
  }
  auto group = ReadHostString(app.handle(), "MenuGroup", kMaxValueChars);
  auto file = ReadHostString(app.handle(), "MenuFile", kMaxValueChars);
  if (group && file && !group->empty() && !file->empty()) {
    record->menuGroups.push_back(*group);
    record->menuFiles.push_back(*file);
  }
  if (auto perUser = ReadHostDword(app.handle(), "PerUserMenu")) record->perUserMenu = *perUser;
  return true;
}

void OrderProfileApplications(std::vector<PMHostApp>* list) {
  std::size_t i = 0;
  while (i + 1 < list->size()) {
    if (InOrder((*list)[i], (*list)[i + 1])) {
      ++i;
    } else {
      std::swap((*list)[i], (*list)[i + 1]);
      i = 0;
    }
  }
}

std::size_t ReadProfileApplications(const std::string& productKey, const std::string& profile,
                                    std::vector<PMHostApp>* list) {
  if (profile.empty()) return 0;
  list->clear();
  platform::RegistryKey links;
  if (links.Open(platform::kHkeyCurrentUser,
                 ProfileNotesKey(productKey, profile) + "\\Applications",
                 kProfileAccess) != platform::kErrSuccess)
    return 0;
  std::string name;
  for (std::uint32_t i = 0;
       links.EnumKeyName(i, &name, kMaxKeyNameChars + 1) == platform::kErrSuccess; ++i) {
    PMHostApp record;
    if (!ReadApplication(productKey, name, &record)) continue;
    platform::RegistryKey link;
    if (link.Open(links.handle(), name, kProfileAccess) == platform::kErrSuccess) {
      if (auto order = ReadHostDword(link.handle(), "LoadOrder")) record.loadOrder = *order;
      if (auto menu = ReadHostDword(link.handle(), "MenuLoaded")) record.menuLoaded = *menu;
    }
    list->push_back(std::move(record));
  }
  OrderProfileApplications(list);
  return list->size();
}

}  // namespace inhost
