// The UI language and the lookup of strings, dialogs and menus in it.
//
// Strings are read straight from the string-table blocks rather than through
// LoadString, because LoadString picks its own language: a block holds
// sixteen strings, each a 16-bit length and that many UTF-16 units, and the
// block of string I is resource I / 16 + 1.
#include "common/language.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/modules.h"
#include "platform/path.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/text.h"

namespace common {
namespace {

std::uint16_t g_uiLanguage = 0;
std::string g_stringCache;

constexpr std::uint32_t kIniValueBytes = 64;  // longer values are cut to 63 characters

bool Exists(const std::string& path) {
  return platform::FileAttributes(path) != platform::kInvalidFileAttributes;
}

std::string ReadLanguageValue(const std::string& iniPath, const char* key) {
  char buffer[kIniValueBytes] = {};
  platform::IniGetString("Language", key, "", buffer, kIniValueBytes, iniPath.c_str());
  return buffer;
}

bool ReadHex(const std::string& text, unsigned int* value) {
  return std::sscanf(text.c_str(), "%x", value) == 1;
}

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  std::size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

std::uint16_t BlockOf(std::uint16_t id) { return static_cast<std::uint16_t>(id / 16 + 1); }

// The block of `id` in exactly `language`: found or not, and the string.
struct BlockLookup {
  bool blockFound = false;
  std::u16string text;  // empty when the entry is empty or missing
};

BlockLookup LookUpInBlock(std::uint16_t id, std::uint16_t language) {
  BlockLookup result;
  std::string_view block = platform::FindResourceData(
      platform::ThisModule(), platform::kResourceString, BlockOf(id), language);
  if (block.empty()) return result;
  result.blockFound = true;
  result.text = StringTableEntry(block, id % 16);
  return result;
}

}  // namespace

std::u16string StringTableEntry(std::string_view block, unsigned index) {
  // Every length is checked against the block's size: a damaged resource
  // gives "not found" rather than a read past its end.
  auto unitAt = [&block](std::size_t offset) {
    return static_cast<char16_t>(static_cast<unsigned char>(block[offset]) |
                                 (static_cast<unsigned char>(block[offset + 1]) << 8));
  };
  std::size_t offset = 0;
  for (unsigned entry = 0; entry < 16; ++entry) {
    if (offset + 2 > block.size()) return std::u16string();
    std::size_t length = unitAt(offset);
    offset += 2;
    if (offset + 2 * length > block.size()) return std::u16string();
    if (entry == index) {
      std::u16string text(length, u'\0');
      for (std::size_t i = 0; i < length; ++i) text[i] = unitAt(offset + 2 * i);
      return text;
    }
    offset += 2 * length;
  }
  return std::u16string();
}

std::string LanguageIniPathFor(const std::string& modulePath) {
  platform::PathParts parts = platform::SplitPath(modulePath);
  std::string beside = parts.drive + parts.folder + parts.base + ".ini";
  if (Exists(beside)) return beside;
  std::string above = parts.drive + parts.folder + "..\\" + parts.base + ".ini";
  if (Exists(above)) return above;
  return std::string();
}

const std::string& LanguageIniPath() {
  static const std::string path = LanguageIniPathFor(platform::ThisModulePath());
  return path;
}

std::uint16_t LanguageFromIniValues(const std::string& langId, const std::string& subLangId,
                                    const std::string& lang, std::uint32_t userLcid) {
  std::uint16_t language = 0;
  unsigned int primary = 0;
  if (!langId.empty() && ReadHex(langId, &primary)) {
    unsigned int sub = 0;
    if (!ReadHex(subLangId, &sub)) sub = 0;
    language = static_cast<std::uint16_t>((sub << 10) | primary);
  }
  if (language != 0) return language;
  if (!lang.empty()) return EqualsIgnoringCase(lang, "RU") ? kLangRussian : kLangEnglish;
  return static_cast<std::uint16_t>(userLcid & 0xFFFF);
}

void ChooseUiLanguage(const std::string& iniPath) {
  // Without an ini nothing is read: the profile functions take a name
  // without a folder to mean a file in the Windows folder, none of ours.
  std::string langId, subLangId, lang;
  if (!iniPath.empty()) {
    langId = ReadLanguageValue(iniPath, "LangId");
    subLangId = ReadLanguageValue(iniPath, "SubLangId");
    lang = ReadLanguageValue(iniPath, "Lang");
  }
  g_uiLanguage = LanguageFromIniValues(langId, subLangId, lang, platform::UserDefaultLcid());
}

std::uint16_t GetUiLanguage() { return g_uiLanguage; }

void SetUiLanguage(std::uint16_t language) { g_uiLanguage = language; }

std::u16string LoadLangStringWide(std::uint16_t id, std::uint16_t language) {
  BlockLookup found = LookUpInBlock(id, language);
  if (found.blockFound) return found.text;
  return platform::LoadStringDefault(platform::ThisModule(), id);
}

const std::string& LoadLangString(std::uint16_t id, std::uint16_t language) {
  g_stringCache = platform::WideToAnsi(LoadLangStringWide(id, language));
  return g_stringCache;
}

char* LoadLangStringTo(std::uint16_t id, char* buffer, std::size_t length,
                       std::uint16_t language) {
  // `length` counts the terminator, as with LoadString: at most length - 1
  // characters are copied and the text is always terminated.
  if (!buffer || length == 0) return nullptr;
  std::u16string wide = LoadLangStringWide(id, language);
  if (wide.empty()) return nullptr;
  std::string text = platform::WideToAnsi(wide);
  std::size_t count = std::min(text.size(), length - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return buffer;
}

namespace {

std::string_view FindInLanguageOrEnglish(std::uint16_t type, std::uint16_t id,
                                         std::uint16_t language) {
  std::string_view found = platform::FindResourceData(platform::ThisModule(), type, id, language);
  if (found.empty())
    found = platform::FindResourceData(platform::ThisModule(), type, id, kLangEnglish);
  return found;
}

}  // namespace

std::string_view FindLangDialog(std::uint16_t id, std::uint16_t language) {
  return FindInLanguageOrEnglish(platform::kResourceDialog, id, language);
}

std::string_view FindLangMenu(std::uint16_t id, std::uint16_t language) {
  return FindInLanguageOrEnglish(platform::kResourceMenu, id, language);
}

}  // namespace common
