// Adding and removing folders in a profile's support path (the General key
// of the profile; the list is in ACAD, or in Support when ACAD is not there).
#include <string>

#include "reglib/core.h"
#include "reglib/paths.h"
#include "reglib/reg_key.h"
#include "reglib/support_list.h"

namespace reglib {
namespace {

using namespace platform;

// Longest list handled, terminator included.
constexpr std::uint32_t kListBytes = 8320;

enum class Change { kAdd, kRemove };

int ChangeSupportPath(const char* acadId, const char* profile, const char* folder,
                      Change change) {
  if (!acadId || !profile || !folder) return 0;
  RegKey general;
  if (general.Open(kHkeyCurrentUser, ProfilePath(acadId, profile) + "\\General", kKeyAllAccess) !=
      kErrSuccess)
    return 0;
  const char* value = "ACAD";
  std::string list;
  if (general.QueryString(value, &list, kListBytes) != kErrSuccess) {
    value = "Support";
    if (general.QueryString(value, &list, kListBytes) != kErrSuccess) return 1;
  }
  std::string changed;
  bool differs = change == Change::kAdd ? WithFolders(list, folder, &changed)
                                        : WithoutFolders(list, folder, &changed);
  if (differs) general.SetString(value, changed.c_str());
  return 1;
}

}  // namespace

int AddSupportPath(const char* acadId, const char* profile, const char* folder) {
  return ChangeSupportPath(acadId, profile, folder, Change::kAdd);
}

int RemoveSupportPath(const char* acadId, const char* profile, const char* folder) {
  return ChangeSupportPath(acadId, profile, folder, Change::kRemove);
}

}  // namespace reglib
