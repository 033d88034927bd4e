// Ini backend for Windows: the real profile functions.
#include <windows.h>

#include "platform/ini.h"

namespace platform {

std::uint32_t IniGetString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) {
  return GetPrivateProfileStringA(section, key, def, buffer, size, file);
}

std::uint32_t IniGetInt(const char* section, const char* key, int def, const char* file) {
  return GetPrivateProfileIntA(section, key, def, file);
}

std::uint32_t IniGetSectionNames(char* buffer, std::uint32_t size, const char* file) {
  return GetPrivateProfileSectionNamesA(buffer, size, file);
}

std::uint32_t IniGetSection(const char* section, char* buffer, std::uint32_t size,
                            const char* file) {
  return GetPrivateProfileSectionA(section, buffer, size, file);
}

bool IniWriteString(const char* section, const char* key, const char* value, const char* file) {
  return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

}  // namespace platform
