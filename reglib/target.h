// Where a registration goes: the root key and registry view chosen by a
// target code, and the rule that puts newer AutoCAD releases into the 64-bit
// view of the local machine's registry.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace reglib {

struct Target {
  platform::RegHandle root = 0;
  std::uint32_t view = 0;  // 0 or KEY_WOW64_64KEY, ORed into every access
};

// 1 the current user; 2 the local machine with the view rule; 3 the local
// machine on 32-bit Windows only; 4 its 64-bit view on 64-bit Windows only.
// False when the code is refused.
bool ResolveTarget(int code, const std::string& acadId, Target* out);

// KEY_WOW64_64KEY for the local machine in a 32-bit process under WOW64
// when the AutoCAD Id names AutoCAD R17.1 or later; 0 otherwise.
std::uint32_t ViewFlagFor(platform::RegHandle root, const std::string& acadId);

// "\\HKEY_CURRENT_USER\" or "\\HKEY_LOCAL_MACHINE\" followed by `path`.
std::string RegistryPathText(platform::RegHandle root, const std::string& path);

}  // namespace reglib
