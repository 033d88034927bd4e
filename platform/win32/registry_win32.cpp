// Registry backend for Windows: the ANSI registry functions, one to one.
// (The seam's names differ from the Windows ones where <windows.h> would
// turn them into macros.)
#include <windows.h>

#include "platform/registry.h"

namespace platform {
namespace {

HKEY ToHkey(RegHandle h) { return reinterpret_cast<HKEY>(h); }
RegHandle FromHkey(HKEY h) { return reinterpret_cast<RegHandle>(h); }

using DeleteKeyExA = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);

DeleteKeyExA LookUpDeleteKeyEx() {
  HMODULE advapi = GetModuleHandleA("Advapi32.dll");
  if (!advapi) return nullptr;
  return reinterpret_cast<DeleteKeyExA>(
      reinterpret_cast<void*>(GetProcAddress(advapi, "RegDeleteKeyExA")));
}

// Looked up once, when the module starts, as the library's callers expect.
const DeleteKeyExA g_deleteKeyEx = LookUpDeleteKeyEx();

}  // namespace

long RegOpen(RegHandle parent, const char* subkey, std::uint32_t access, RegHandle* out) {
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExA(ToHkey(parent), subkey, 0, access, &key);
  if (out) *out = rc == ERROR_SUCCESS ? FromHkey(key) : 0;
  return rc;
}

long RegCreate(RegHandle parent, const char* subkey, std::uint32_t access, RegHandle* out,
               bool* created) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  LONG rc = RegCreateKeyExA(ToHkey(parent), subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                            nullptr, &key, &disposition);
  if (out) *out = rc == ERROR_SUCCESS ? FromHkey(key) : 0;
  if (created) *created = rc == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
  return rc;
}

long RegClose(RegHandle key) { return RegCloseKey(ToHkey(key)); }

long RegEnumSubkey(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameChars) {
  DWORD chars = nameChars ? *nameChars : 0;
  LONG rc = RegEnumKeyExA(ToHkey(key), index, name, &chars, nullptr, nullptr, nullptr, nullptr);
  if (nameChars) *nameChars = chars;
  return rc;
}

long RegEnumValueAt(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameChars,
                  std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataBytes) {
  DWORD chars = nameChars ? *nameChars : 0;
  DWORD t = 0;
  DWORD bytes = dataBytes ? *dataBytes : 0;
  LONG rc = RegEnumValueA(ToHkey(key), index, name, &chars, nullptr, type ? &t : nullptr, data,
                          dataBytes ? &bytes : nullptr);
  if (nameChars) *nameChars = chars;
  if (type) *type = t;
  if (dataBytes) *dataBytes = bytes;
  return rc;
}

long RegQuery(RegHandle key, const char* name, std::uint32_t* type, std::uint8_t* data,
              std::uint32_t* dataBytes) {
  DWORD t = 0;
  DWORD bytes = dataBytes ? *dataBytes : 0;
  LONG rc = RegQueryValueExA(ToHkey(key), name, nullptr, type ? &t : nullptr, data,
                             dataBytes ? &bytes : nullptr);
  if (type) *type = t;
  if (dataBytes) *dataBytes = bytes;
  return rc;
}

long RegQueryDefault(RegHandle key, const char* subkey, char* data, long* bytes) {
  LONG size = bytes ? *bytes : 0;
  LONG rc = RegQueryValueA(ToHkey(key), subkey, data, bytes ? &size : nullptr);
  if (bytes) *bytes = size;
  return rc;
}

long RegSet(RegHandle key, const char* name, std::uint32_t type, const std::uint8_t* data,
            std::uint32_t bytes) {
  return RegSetValueExA(ToHkey(key), name, 0, type, data, bytes);
}

long RegRemoveValue(RegHandle key, const char* name) {
  return RegDeleteValueA(ToHkey(key), name);
}

long RegRemoveKey(RegHandle parent, const char* subkey) {
  return RegDeleteKeyA(ToHkey(parent), subkey);
}

bool RegHasDeleteKeyEx() { return g_deleteKeyEx != nullptr; }

long RegRemoveKeyEx(RegHandle parent, const char* subkey, std::uint32_t view) {
  if (!g_deleteKeyEx) return RegDeleteKeyA(ToHkey(parent), subkey);
  return g_deleteKeyEx(ToHkey(parent), subkey, view, 0);
}

}  // namespace platform
