// The help viewer on Windows: WinHelpA.
#include <windows.h>

#include "platform/help.h"

namespace platform {

bool OpenHelp(void* window, const std::string& helpFile, std::uint32_t command, const char* data) {
  return WinHelpA(static_cast<HWND>(window), helpFile.c_str(), command,
                  reinterpret_cast<ULONG_PTR>(data)) != FALSE;
}

}  // namespace platform
