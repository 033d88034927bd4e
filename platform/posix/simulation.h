// Controls of the posix backend that only tests use: what kind of Windows
// process to play, keys that refuse access, resources, the user's locale.
// Nothing of the product includes this.
#pragma once

#include <cstdint>
#include <string>

#include "platform/modules.h"
#include "platform/registry.h"

namespace platform::posix {

enum class ProcessKind {
  k64BitProcess,         // the default: a 64-bit process on 64-bit Windows
  k32BitOnWow64,         // a 32-bit process on 64-bit Windows: two views of HKLM\Software
  k32BitOn32BitWindows,  // one view only
};

void SimulateProcess(ProcessKind kind);
ProcessKind SimulatedProcess();

// Empties the in-memory registry (both roots, every view) and closes every
// handle that is still open.
void ResetRegistry();

// Opening `path` below `root` with any access bit of `mask` fails with 5.
void DenyAccess(RegHandle root, const std::string& path, std::uint32_t mask);

// Whether RegDeleteKeyEx is "found" (it is, by default).
void SetHasDeleteKeyEx(bool present);

// How many handles are open (to catch leaks in tests).
std::size_t OpenHandleCount();

// Resources of a module: string-table blocks, dialogs and menus by language,
// and the strings LoadString would choose.
void AddResource(ModuleHandle module, std::uint16_t type, std::uint16_t id, std::uint16_t language,
                 const std::string& bytes);
void SetDefaultString(ModuleHandle module, std::uint16_t id, const std::u16string& text);
void ClearResources();

void SetUserDefaultLcid(std::uint32_t lcid);

}  // namespace platform::posix
