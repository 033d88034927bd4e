// Ini ("profile") files with the lookup rules of the Windows profile
// functions: section and key names compare without regard to case, a missing
// key reads as the default, section names come in file order and values are
// cut to the buffer. The win32 backend is the real GetPrivateProfile* family;
// the posix backend is a reader of our own that gives the same results.
#pragma once

#include <cstdint>

namespace platform {

// GetPrivateProfileStringA. With `section` null: every section name, each
// zero-terminated, the list ended by one more zero. With `key` null: every
// key of the section, likewise. Returns the number of characters copied,
// not counting the final terminator.
std::uint32_t IniGetString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file);

// GetPrivateProfileIntA.
std::uint32_t IniGetInt(const char* section, const char* key, int def, const char* file);

// GetPrivateProfileSectionNamesA.
std::uint32_t IniGetSectionNames(char* buffer, std::uint32_t size, const char* file);

// GetPrivateProfileSectionA: every "key=value" line of the section, each
// zero-terminated, the list ended by one more zero.
std::uint32_t IniGetSection(const char* section, char* buffer, std::uint32_t size,
                            const char* file);

// WritePrivateProfileStringA (a null value deletes the key).
bool IniWriteString(const char* section, const char* key, const char* value, const char* file);

}  // namespace platform
