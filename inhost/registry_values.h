// Reading registry values the way the in-host module accepts them: a string
// only as REG_SZ (the AutoCAD build also REG_EXPAND_SZ, taken as stored),
// ending with its terminator and within the caller's length; a number only
// as a 4-byte REG_DWORD. Anything else counts as absent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace inhost {

// `maxChars` characters at most, not counting the terminator.
std::optional<std::string> ReadHostString(platform::RegHandle key, const char* name,
                                          std::uint32_t maxChars);
std::optional<std::uint32_t> ReadHostDword(platform::RegHandle key, const char* name);

// Profile keys are opened for reading and writing even when only read.
inline constexpr std::uint32_t kProfileAccess = platform::kKeyRead | platform::kKeyWrite;

// The registry locations of the running host (`productKey` as the dynamic
// linker reports it).
std::string ApplicationRoot(const std::string& productKey);  // below HKEY_LOCAL_MACHINE
std::string ProfileNotesKey(const std::string& productKey, const std::string& profile);

}  // namespace inhost
