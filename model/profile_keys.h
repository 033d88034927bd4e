// Copying and deleting whole profile keys below HKEY_CURRENT_USER.
#pragma once

#include <string>

#include "platform/registry.h"

namespace model {

// Copies profile `source` of the installation to `target` (created, or
// merged into when it exists), with all values and subkeys. A target that
// this call created is removed again when the copy fails half-way, so a
// failed copy never leaves a half profile behind. True on success.
bool CopyProfile(const std::string& productKey, const std::string& source,
                 const std::string& target);

// Copies every value and then every subkey, recursively, from `source` to
// `target`, whatever the length of the names and the size of the data.
// Returns 0 or the first registry error (the copy stops there).
long CopyKeyTree(platform::RegHandle source, platform::RegHandle target);

// Deletes the profile's key with everything below it. True on success.
bool DeleteProfileKey(const std::string& productKey, const std::string& profile);

// Deletes `subkey` of `parent` with everything below it. Returns 0 or the
// first registry error.
long RecurseDeleteKey(platform::RegHandle parent, const std::string& subkey);

}  // namespace model
