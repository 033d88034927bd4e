// The manager's own settings: HKEY_CURRENT_USER Software\Velmora\Arvenlo\1.0,
// one REG_SZ value per setting (CurAcad: the installation the page showed
// last).
#pragma once

#include <optional>
#include <string>

namespace manager {

inline constexpr char kProgramSettingsKey[] = "Software\\Velmora\\Arvenlo\\1.0";
inline constexpr char kSettingCurAcad[] = "CurAcad";

// The value, read into a 260-byte buffer; nothing when the key or the value
// is missing, the value is empty (size 0) or it does not fit. The stored
// type is not looked at; the text ends at its first zero or at the end of
// what was stored, whichever comes first.
std::optional<std::string> ReadProgramSetting(const std::string& name);

// Creates the key if needed and writes `value` as REG_SZ with its
// terminator. Failures are ignored.
void WriteProgramSetting(const std::string& name, const std::string& value);

}  // namespace manager
