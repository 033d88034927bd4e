// The user-interface language of this module (1033 English, 1049 Russian)
// and the lookup of strings, dialogs and menus in that language among the
// module's own resources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

inline constexpr std::uint16_t kLangEnglish = 1033;
inline constexpr std::uint16_t kLangRussian = 1049;

// Path of the language ini (named like the module, ".ini"), beside the module
// or one folder up; empty when neither exists. Computed once.
const std::string& LanguageIniPath();

// The same search for a module at `modulePath`, done afresh on every call.
std::string LanguageIniPathFor(const std::string& modulePath);

// Sets the UI language from the ini's [Language] section, or the user's locale.
// An empty path reads nothing and takes the user's locale.
void ChooseUiLanguage(const std::string& iniPath);

// The rule behind ChooseUiLanguage, given the three values as read (empty
// when missing): LangId and SubLangId are hexadecimal as sscanf "%x" reads
// them and make the language (SubLangId << 10 | LangId); when that is
// missing, unreadable or 0, Lang "RU" (any case) gives Russian and any other
// text English; with no Lang either, the low 16 bits of `userLcid`.
std::uint16_t LanguageFromIniValues(const std::string& langId, const std::string& subLangId,
                                    const std::string& lang, std::uint32_t userLcid);

std::uint16_t GetUiLanguage();
void SetUiLanguage(std::uint16_t language);

// String `id` in `language`, in the ANSI code page. The result is one
// module-wide text that the next lookup overwrites; empty when not found.
const std::string& LoadLangString(std::uint16_t id, std::uint16_t language);

// Copies the string into `buffer` of `length` characters, terminator
// included (at most length - 1 characters, always terminated, as LoadString
// does); returns `buffer`, or null when the string is not found or there is
// no room at all.
char* LoadLangStringTo(std::uint16_t id, char* buffer, std::size_t length,
                       std::uint16_t language);

// The same lookup as LoadLangString, in the resource's own UTF-16 text: what
// is shown to a person goes through this, so Russian stays readable whatever
// the ANSI code page is.
std::u16string LoadLangStringWide(std::uint16_t id, std::uint16_t language);

// Entry `index` (0-15) of a string-table block; empty when the entry is
// empty or the block is too short to hold it.
std::u16string StringTableEntry(std::string_view block, unsigned index);

// Dialog / menu template `id` in `language`, else in English; empty when none.
std::string_view FindLangDialog(std::uint16_t id, std::uint16_t language);
std::string_view FindLangMenu(std::uint16_t id, std::uint16_t language);

}  // namespace common
