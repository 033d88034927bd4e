// What kind of process and system this is.
#pragma once

#include <cstdint>

namespace platform {

// True for a 32-bit process on 64-bit Windows (IsWow64Process reporting
// exactly 1); false when the entry point is missing or the call fails.
bool IsWow64();

// True when the process runs on 64-bit Windows: a 64-bit process, or a
// 32-bit one under WOW64.
bool Is64BitWindows();

// GetUserDefaultLCID.
std::uint32_t UserDefaultLcid();

// GetACP: the ANSI code page.
std::uint32_t AnsiCodePage();

}  // namespace platform
