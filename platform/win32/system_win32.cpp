// Process and system facts on Windows.
#include <windows.h>

#include "platform/system.h"

namespace platform {
namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

IsWow64ProcessFn LookUpIsWow64Process() {
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (!kernel) return nullptr;
  return reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
}

// Looked up once when the module starts; may be missing on old systems.
const IsWow64ProcessFn g_isWow64Process = LookUpIsWow64Process();

}  // namespace

bool IsWow64() {
  if (!g_isWow64Process) return false;
  BOOL wow64 = FALSE;
  if (!g_isWow64Process(GetCurrentProcess(), &wow64)) return false;
  return wow64 == 1;
}

bool Is64BitWindows() { return sizeof(void*) == 8 || IsWow64(); }

std::uint32_t UserDefaultLcid() { return GetUserDefaultLCID(); }

std::uint32_t AnsiCodePage() { return GetACP(); }

}  // namespace platform
