// Whether this is a 32-bit process on 64-bit Windows.
#pragma once

namespace common {

// True only when IsWow64Process is present, succeeds and reports exactly 1;
// always false in a 64-bit module.
bool IsWow64();

}  // namespace common
