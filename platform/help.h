// The WinHelp viewer: asks it to act on a help file (WinHelpA). The posix
// backend opens nothing; it keeps the last request for tests to look at.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

inline constexpr std::uint32_t kHelpCommand = 0x102;  // HELP_COMMAND: run a help macro

// WinHelpA(window, helpFile, command, data). `window` is the asking window's
// handle. The viewer may read `data` after the call returns, so the caller
// keeps it alive. False when the viewer refused.
bool OpenHelp(void* window, const std::string& helpFile, std::uint32_t command, const char* data);

}  // namespace platform
