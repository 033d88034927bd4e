// How the model reads values. The manager program takes whatever is stored
// and only cares whether it fits the buffer; the in-host modules accept a
// value only when its type is the expected one. Both kinds of reader live in
// one build, so the rules are a value, not a compile-time switch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"
#include "platform/registry_key.h"

namespace model {

// Fixed read buffers; a value that does not fit counts as absent.
inline constexpr std::uint32_t kNameChars = 260;    // key names
inline constexpr std::uint32_t kTextBytes = 260;    // string values (259 characters)
inline constexpr std::uint32_t kDescBytes = 520;    // profile descriptions

struct ReadRules {
  bool checkTypes = false;      // strings only REG_SZ, numbers only REG_DWORD
  bool acceptExpandSz = false;  // with checkTypes: REG_EXPAND_SZ is a string too
  // Access asked for on profile keys (below HKEY_CURRENT_USER), even to read.
  std::uint32_t profileAccess = platform::kKeyAllAccess;

  static ReadRules Manager() { return {}; }
  static ReadRules HostAcad() {
    return {true, true, platform::kKeyRead | platform::kKeyWrite};
  }
  static ReadRules HostAcadLt() {
    return {true, false, platform::kKeyRead | platform::kKeyWrite};
  }
};

// A string value read into a buffer of `bufferBytes`, cut at its first zero.
std::optional<std::string> ReadText(const platform::RegistryKey& key, const char* name,
                                    const ReadRules& rules,
                                    std::uint32_t bufferBytes = kTextBytes);

// A 4-byte number.
std::optional<std::uint32_t> ReadNumber(const platform::RegistryKey& key, const char* name,
                                        const ReadRules& rules);

// The name of subkey `index`, as a fixed-buffer enumeration sees it; the
// result is RegEnumKey's.
inline long EnumSubkey(const platform::RegistryKey& key, std::uint32_t index, std::string* name) {
  return key.EnumKeyName(index, name, kNameChars);
}

}  // namespace model
