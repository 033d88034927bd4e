// The registry as the system sees it: Windows semantics and Windows error
// codes, whatever the backend. The win32 backend is the real API (ANSI
// functions); the posix backend is an in-memory registry that behaves alike,
// so the model and the library can be tested natively.
//
// Buffers are sized by the caller exactly as with the Windows functions,
// because several callers' fixed buffer sizes are observable behaviour
// (a 260-character buffer holds 259 characters and its terminator).
#pragma once

#include <cstdint>

namespace platform {

using RegHandle = std::uintptr_t;  // 0 is "no key"

inline constexpr RegHandle kHkeyCurrentUser = 0x80000001u;
inline constexpr RegHandle kHkeyLocalMachine = 0x80000002u;

// Windows error codes the system meets.
inline constexpr long kErrSuccess = 0;
inline constexpr long kErrFileNotFound = 2;
inline constexpr long kErrAccessDenied = 5;
inline constexpr long kErrInvalidHandle = 6;
inline constexpr long kErrInvalidData = 13;
inline constexpr long kErrInvalidParameter = 87;
inline constexpr long kErrMoreData = 234;
inline constexpr long kErrNoMoreItems = 259;

// Access masks (the Windows values).
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyWow64_64Key = 0x0100;
inline constexpr std::uint32_t kKeyWow64_32Key = 0x0200;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// RegOpenKeyExA. `subkey` may be null or empty (opens the same key again).
long RegOpen(RegHandle parent, const char* subkey, std::uint32_t access, RegHandle* out);

// RegCreateKeyExA (non-volatile, no class). `created` may be null.
long RegCreate(RegHandle parent, const char* subkey, std::uint32_t access, RegHandle* out,
               bool* created = nullptr);

// RegCloseKey. Closing a predefined root does nothing.
long RegClose(RegHandle key);

// RegEnumKeyExA: `nameChars` is the buffer size in characters on entry and
// the name's length (without terminator) on success.
long RegEnumSubkey(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameChars);

// RegEnumValueA. `type`, `data` and `dataBytes` may be null.
long RegEnumValueAt(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameChars,
                  std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataBytes);

// RegQueryValueExA. A null or empty name is the default value. With `data`
// null the size is reported; a buffer that is too small gives 234 and the
// size needed.
long RegQuery(RegHandle key, const char* name, std::uint32_t* type, std::uint8_t* data,
              std::uint32_t* dataBytes);

// RegQueryValueA: the default value of `subkey` (or of the key itself when
// `subkey` is null or empty), as text. `bytes` is in/out as with RegQuery.
long RegQueryDefault(RegHandle key, const char* subkey, char* data, long* bytes);

// RegSetValueExA.
long RegSet(RegHandle key, const char* name, std::uint32_t type, const std::uint8_t* data,
            std::uint32_t bytes);

// RegDeleteValueA.
long RegRemoveValue(RegHandle key, const char* name);

// RegDeleteKeyA: deletes a key that has no subkeys (5 when it has some).
long RegRemoveKey(RegHandle parent, const char* subkey);

// RegDeleteKeyExA, which the caller should prefer when it is present
// (`RegHasDeleteKeyEx`); `view` carries the registry view flag.
bool RegHasDeleteKeyEx();
long RegRemoveKeyEx(RegHandle parent, const char* subkey, std::uint32_t view);

}  // namespace platform
