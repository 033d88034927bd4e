// Ini ("profile") files for the posix backend: a reader and writer of our own
// that gives what Wine's GetPrivateProfile*A and WritePrivateProfileStringA
// give, quirks included, since code written against those functions depends
// on them. It keeps their two layers. The work is done on UTF-16 text (the
// file decoded after its byte-order mark, or from the ANSI code page, which
// here is UTF-8) with the buffer rules of the W functions; the A functions
// convert the arguments in and the results out, with cutting rules of their
// own that are visible in the results (a cut list, an exact fit).
//
// The file is read afresh on every call and written back on every change;
// nothing is cached. Not here: the registry mapping of win.ini and friends,
// the Windows folder for a bare file name (it is taken as a relative path),
// and the writes past tiny buffers that Wine makes (those are refused).

#include <unistd.h>

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/path.h"
#include "platform/posix/native_path.h"
#include "platform/text.h"

namespace platform {
namespace {

using WChar = char16_t;
using WText = std::u16string;
using WView = std::u16string_view;

// ---------------------------------------------------------------------------
// Characters and names

// Blanks around lines, names and values; ^Z (an old end-of-file mark) too.
bool IsBlank(WChar c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20; }

WView TrimStart(WView text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

WView Trim(WView text) {
  text = TrimStart(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Simple lower case for the scripts the system meets (Latin, Greek,
// Cyrillic, Armenian, full-width Latin), as the case-blind comparison of
// section and key names needs.
WChar FoldCase(WChar c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? static_cast<WChar>(c + 0x20) : c;
  auto in = [c](unsigned first, unsigned last) { return c >= first && c <= last; };
  if ((in(0xC0, 0xDE) && c != 0xD7) || (in(0x391, 0x3AB) && c != 0x3A2) || in(0x410, 0x42F) ||
      in(0xFF21, 0xFF3A))
    return static_cast<WChar>(c + 0x20);
  if (in(0x400, 0x40F)) return static_cast<WChar>(c + 0x50);
  if (in(0x531, 0x556)) return static_cast<WChar>(c + 0x30);
  if (in(0x388, 0x38A)) return static_cast<WChar>(c + 0x25);
  if (in(0x38E, 0x38F)) return static_cast<WChar>(c + 0x3F);
  // Blocks where a capital is followed by its small letter.
  if (in(0x100, 0x12F) || in(0x132, 0x137) || in(0x14A, 0x177) || in(0x460, 0x481) ||
      in(0x48A, 0x4BF) || in(0x4D0, 0x52F))
    return static_cast<WChar>(c | 1);
  if ((in(0x139, 0x148) || in(0x179, 0x17E) || in(0x4C1, 0x4CE)) && (c & 1))
    return static_cast<WChar>(c + 1);
  switch (c) {
    case 0x130: return u'i';
    case 0x178: return 0xFF;
    case 0x386: return 0x3AC;
    case 0x38C: return 0x3CC;
    case 0x4C0: return 0x4CF;
    default: return c;
  }
}

bool SameName(WView a, WView b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

// ---------------------------------------------------------------------------
// Zero-terminated buffers, handled as the W functions handle them.

std::uint32_t Length(const WChar* text) {
  std::uint32_t n = 0;
  while (text[n]) ++n;
  return n;
}

// lstrcpynW: at most count-1 characters and a terminator; nothing for 0.
void CopyCut(WChar* to, const WChar* from, std::uint32_t count) {
  while (count > 1 && *from) {
    --count;
    *to++ = *from++;
  }
  if (count) *to = 0;
}

// A value as it is handed out: cut to the buffer, and without the quotes
// around it when they match. A value cut before its closing quote keeps
// the opening one out but nothing else changes.
void CopyValue(WChar* to, const WChar* value, std::uint32_t count) {
  WChar quote = 0;
  if ((*value == u'\'' || *value == u'"') && value[1] && value[Length(value) - 1] == *value)
    quote = *value++;
  CopyCut(to, value, count);
  if (quote && count >= Length(value)) {
    std::uint32_t copied = Length(to);
    if (copied) to[copied - 1] = 0;
  }
}

// ---------------------------------------------------------------------------
// The file

struct IniKey {
  WText name;
  std::optional<WText> value;  // none for a line without "="
};

struct IniSection {
  WText name;
  std::vector<IniKey> keys;
};

enum class Encoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

struct Profile {
  // Empty for a missing or empty file; otherwise the first section is the
  // unnamed one that holds the lines before any section header.
  std::vector<IniSection> sections;
  Encoding encoding = Encoding::kAnsi;
};

WText FromUtf16(std::string_view bytes, bool bigEndian) {
  WText text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto first = static_cast<unsigned char>(bytes[2 * i]);
    auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
    text[i] = static_cast<WChar>(bigEndian ? (first << 8 | second) : (second << 8 | first));
  }
  return text;
}

std::string ToUtf16(WView text, bool bigEndian) {
  std::string bytes;
  for (WChar c : text) {
    char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

WText Decode(std::string_view bytes, Encoding* encoding) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    *encoding = Encoding::kUtf8;
    return Utf8ToWide(std::string(bytes.substr(3)));
  }
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    bool bigEndian = bytes[0] == '\xFE';
    *encoding = bigEndian ? Encoding::kUtf16Be : Encoding::kUtf16Le;
    return FromUtf16(bytes.substr(2), bigEndian);
  }
  *encoding = Encoding::kAnsi;
  return AnsiToWide(std::string(bytes));
}

std::string Encode(WView text, Encoding encoding) {
  switch (encoding) {
    case Encoding::kUtf8: return "\xEF\xBB\xBF" + WideToUtf8(WText(text));
    case Encoding::kUtf16Le: return "\xFF\xFE" + ToUtf16(text, false);
    case Encoding::kUtf16Be: return "\xFE\xFF" + ToUtf16(text, true);
    case Encoding::kAnsi: break;
  }
  return WideToAnsi(WText(text));
}

// Lines end at any run of CR and LF. A line "[name]" (anything after the
// last "]" is ignored) starts a section; any other line is a key, split at
// its first "=", or a key without a value when it has none. Blank lines
// are dropped; comments are kept as keys (they are skipped when listed).
// Of several lines in a row with an empty name only the first is kept.
std::vector<IniSection> Parse(WView text) {
  std::vector<IniSection> sections(1);
  while (!text.empty()) {
    std::size_t end = text.find_first_of(u"\r\n");
    if (end == WView::npos) end = text.size();
    WView line = Trim(text.substr(0, end));
    std::size_t next = text.find_first_not_of(u"\r\n", end);
    text.remove_prefix(next == WView::npos ? text.size() : next);
    if (line.empty()) continue;

    if (line.front() == u'[') {
      std::size_t close = line.rfind(u']');
      if (close != WView::npos) {
        sections.push_back({WText(Trim(line.substr(1, close - 1))), {}});
        continue;
      }
    }
    IniKey key;
    std::size_t equals = line.find(u'=');
    if (equals == WView::npos) {
      key.name = line;
    } else {
      key.name = Trim(line.substr(0, equals));
      key.value = WText(TrimStart(line.substr(equals + 1)));
    }
    std::vector<IniKey>& keys = sections.back().keys;
    if (key.name.empty() && !keys.empty() && keys.back().name.empty()) continue;
    keys.push_back(std::move(key));
  }
  return sections;
}

WText Serialize(const std::vector<IniSection>& sections) {
  WText text;
  for (const IniSection& section : sections) {
    if (!section.name.empty()) text += u"[" + section.name + u"]\r\n";
    for (const IniKey& key : section.keys) {
      text += key.name;
      if (key.value) text += u"=" + *key.value;
      text += u"\r\n";
    }
  }
  return text;
}

// The file's profile, or nothing when it cannot be opened (for writing too
// when `forWriting`, which the permission bits decide, as under Wine). A file
// that does not exist is an empty profile, but only in a folder that does.
std::optional<Profile> OpenProfile(const char* file, bool forWriting) {
  if (!file) return std::nullopt;
  std::uint32_t attributes = FileAttributes(file);
  if (attributes == kInvalidFileAttributes) {
    std::string folder = FolderOf(file);
    std::uint32_t folderAttributes = folder.empty() ? kAttrDirectory : FileAttributes(folder);
    if (folderAttributes == kInvalidFileAttributes || !(folderAttributes & kAttrDirectory))
      return std::nullopt;
    return Profile{};
  }
  if ((attributes & kAttrDirectory) ||
      (forWriting && access(posix::NativePath(file).c_str(), W_OK) != 0))
    return std::nullopt;
  std::string bytes;
  if (!ReadWholeFile(file, &bytes)) return std::nullopt;
  Profile profile;
  if (!bytes.empty()) profile.sections = Parse(Decode(bytes, &profile.encoding));
  return profile;
}

bool SaveProfile(const Profile& profile, const char* file) {
  return WriteWholeFile(file, Encode(Serialize(profile.sections), profile.encoding));
}

// The first section of that name (blanks around `section` and `key` do not
// count) decides; a key in a later section of the same name is not seen.
const IniKey* FindKey(const Profile& profile, WView section, WView key) {
  section = Trim(section);
  key = Trim(key);
  for (const IniSection& candidate : profile.sections) {
    if (!SameName(candidate.name, section)) continue;
    for (const IniKey& found : candidate.keys)
      if (SameName(found.name, key)) return &found;
    return nullptr;
  }
  return nullptr;
}

// Finds the key as FindKey does, or adds it (and its section) at the end.
// A new name keeps its trailing blanks, only the leading ones go.
IniKey* FindOrAddKey(Profile* profile, WView section, WView key) {
  for (IniSection& candidate : profile->sections) {
    if (!SameName(candidate.name, Trim(section))) continue;
    for (IniKey& found : candidate.keys)
      if (SameName(found.name, Trim(key))) return &found;
    candidate.keys.push_back({WText(TrimStart(key)), std::nullopt});
    return &candidate.keys.back();
  }
  profile->sections.push_back({WText(TrimStart(section)), {{WText(TrimStart(key)), std::nullopt}}});
  return &profile->sections.back().keys.back();
}

// Deletes the first key of that name in any section of that name (names as
// given, blanks count).
bool DeleteKey(Profile* profile, WView section, WView key) {
  for (IniSection& candidate : profile->sections) {
    if (!SameName(candidate.name, section)) continue;
    for (auto found = candidate.keys.begin(); found != candidate.keys.end(); ++found) {
      if (SameName(found->name, key)) {
        candidate.keys.erase(found);
        return true;
      }
    }
  }
  return false;
}

// ---------------------------------------------------------------------------
// The W layer: UTF-16 buffers counted in characters.

// GetPrivateProfileSectionW's list (`withValues`) and the key list of
// GetPrivateProfileStringW. Names are taken as given. Lines without "=" are
// listed only with values; comments and empty lines never. A cut list ends
// in two zeros and gives count-2.
std::uint32_t SectionW(const Profile* profile, WView section, WChar* buffer, std::uint32_t count,
                       bool withValues) {
  if (!profile) {
    buffer[0] = 0;
    return 0;
  }
  for (const IniSection& candidate : profile->sections) {
    if (!SameName(candidate.name, section)) continue;
    std::uint32_t left = count;
    for (const IniKey& key : candidate.keys) {
      if (left <= 2) break;
      if ((key.name.empty() && !key.value) || (!key.name.empty() && key.name[0] == u';')) continue;
      if (!withValues && !key.value) continue;
      CopyCut(buffer, key.name.c_str(), left - 1);
      std::uint32_t copied = Length(buffer);
      left -= copied + 1;
      buffer += copied + 1;
      if (left < 2) break;
      if (withValues && key.value) {
        buffer[-1] = u'=';
        CopyCut(buffer, key.value->c_str(), left - 1);
        copied = Length(buffer);
        left -= copied + 1;
        buffer += copied + 1;
      }
    }
    *buffer = 0;
    if (left <= 1) {
      buffer[-1] = 0;
      return count - 2;
    }
    return count - left;
  }
  buffer[0] = buffer[1] = 0;
  return 0;
}

// GetPrivateProfileSectionNamesW: the named sections in file order. A name
// that does not fit with room to spare is cut (so an exact fit is cut too)
// and the result is count-2.
std::uint32_t SectionNamesW(const Profile* profile, WChar* buffer, std::uint32_t count) {
  if (!profile || !buffer || !count) return 0;
  if (count == 1) {
    *buffer = 0;
    return 0;
  }
  WChar* at = buffer;
  std::uint32_t room = count - 1;
  for (const IniSection& section : profile->sections) {
    if (section.name.empty()) continue;
    auto needed = static_cast<std::uint32_t>(section.name.size() + 1);
    if (needed >= room) {
      if (room > 0) {
        std::memcpy(at, section.name.data(), (room - 1) * sizeof(WChar));
        at += room - 1;
        *at++ = 0;
      }
      *at = 0;
      return count - 2;
    }
    std::memcpy(at, section.name.data(), needed * sizeof(WChar));
    at += needed;
    room -= needed;
  }
  *at = 0;
  return static_cast<std::uint32_t>(at - buffer);
}

// GetPrivateProfileStringW.
std::uint32_t StringW(const WChar* section, const WChar* key, const WChar* def, WChar* buffer,
                      std::uint32_t count, const char* file) {
  if (!buffer || !count) return 0;
  if (!def) def = u"";
  std::optional<Profile> profile = OpenProfile(file, false);
  const Profile* opened = profile ? &*profile : nullptr;
  if (!section) return SectionNamesW(opened, buffer, count);
  if (!key) {
    std::uint32_t length = SectionW(opened, section, buffer, count, false);
    if (!buffer[0]) {
      CopyValue(buffer, def, count);
      length = Length(buffer);
    }
    return length;
  }
  // Trailing spaces of the default go (its first character stays).
  WText trimmedDef = def;
  while (trimmedDef.size() > 1 && trimmedDef.back() == u' ') trimmedDef.pop_back();
  if (!opened) {
    // A file that cannot be opened at all gives the default, quotes and all.
    CopyCut(buffer, trimmedDef.c_str(), count);
  } else {
    const IniKey* found = FindKey(*opened, section, key);
    CopyValue(buffer, found && found->value ? found->value->c_str() : trimmedDef.c_str(), count);
  }
  return Length(buffer);
}

// RtlUnicodeStringToInteger with base 0: leading control characters and
// blanks, a sign, "0x", "0o" or "0b" (small letters only), then digits as
// far as they go, wrapping around 32 bits.
std::uint32_t ParseInteger(const WChar* text) {
  while (*text && *text <= u' ') ++text;
  bool negative = *text == u'-';
  if (*text == u'+' || *text == u'-') ++text;
  std::uint32_t base = 10;
  if (text[0] == u'0' && (text[1] == u'x' || text[1] == u'o' || text[1] == u'b')) {
    base = text[1] == u'x' ? 16 : text[1] == u'o' ? 8 : 2;
    text += 2;
  }
  std::uint32_t total = 0;
  for (;; ++text) {
    WChar c = *text;
    std::uint32_t digit = c >= u'0' && c <= u'9'   ? c - u'0'
                          : c >= u'A' && c <= u'Z' ? c - u'A' + 10
                          : c >= u'a' && c <= u'z' ? c - u'a' + 10
                                                   : base;
    if (digit >= base) break;
    total = total * base + digit;
  }
  return negative ? 0u - total : total;
}

// ---------------------------------------------------------------------------
// The A layer

std::optional<WText> Widen(const char* text) {
  if (!text) return std::nullopt;
  return AnsiToWide(text);
}

const WChar* Pointer(const std::optional<WText>& text) { return text ? text->c_str() : nullptr; }

// WideCharToMultiByte into `room` bytes: the bytes written, or 0 when they do
// not fit (having written the whole characters that do). With no room at
// all, the size needed.
std::uint32_t Narrow(const WChar* text, std::uint32_t count, char* to, std::uint32_t room) {
  std::string bytes = WideToAnsi(WText(text, count));
  if (room == 0) return static_cast<std::uint32_t>(bytes.size());
  if (bytes.size() <= room) {
    std::memcpy(to, bytes.data(), bytes.size());
    return static_cast<std::uint32_t>(bytes.size());
  }
  std::size_t whole = room;
  while (whole > 0 && (static_cast<unsigned char>(bytes[whole]) & 0xC0) == 0x80) --whole;
  std::memcpy(to, bytes.data(), whole);
  return 0;
}

// A UTF-16 buffer for `count` characters, with a spare character on either
// side for the writes the W layer makes around a buffer that is too small.
class WideBuffer {
 public:
  explicit WideBuffer(std::uint32_t count) : storage_(std::size_t{count} + 3, u'\0') {}
  WChar* data() { return storage_.data() + 1; }

 private:
  std::vector<WChar> storage_;
};

}  // namespace

std::uint32_t IniGetString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) {
  std::optional<WText> sectionW = Widen(section), keyW = Widen(key), defW = Widen(def);
  WideBuffer wide(buffer ? size : 0);
  std::uint32_t length = StringW(Pointer(sectionW), Pointer(keyW), Pointer(defW),
                                 buffer ? wide.data() : nullptr, size, file);
  std::uint32_t result = 0;
  if (size && buffer) {
    if (length) {
      result = Narrow(wide.data(), length, buffer, size - 1);
      if (!result) result = size - 1;
    }
    buffer[result] = 0;
  }
  return result;
}

std::uint32_t IniGetInt(const char* section, const char* key, int def, const char* file) {
  std::optional<WText> sectionW = Widen(section), keyW = Widen(key);
  WChar value[30];
  if (StringW(Pointer(sectionW), Pointer(keyW), u"", value, 30, file) == 0 || !value[0])
    return static_cast<std::uint32_t>(def);
  return ParseInteger(value);
}

std::uint32_t IniGetSectionNames(char* buffer, std::uint32_t size, const char* file) {
  if (!buffer || !size) return 0;
  std::optional<Profile> profile = OpenProfile(file, false);
  WideBuffer wide(size);
  std::uint32_t length = SectionNamesW(profile ? &*profile : nullptr, wide.data(), size);
  if (!length) {
    buffer[0] = 0;
    return 0;
  }
  // The list and its first terminator; the last zero is not copied.
  std::uint32_t result = Narrow(wide.data(), length + 1, buffer, size - 1);
  if (!result) {
    buffer[size - 1] = 0;
    return size - 2;
  }
  return result - 1;
}

std::uint32_t IniGetSection(const char* section, char* buffer, std::uint32_t size,
                            const char* file) {
  if (!section || !buffer) return 0;
  if (size < 2) {
    if (size) buffer[0] = 0;
    return 0;
  }
  std::optional<Profile> profile = OpenProfile(file, false);
  // The W layer gets twice the room; what does not fit the bytes is cut here,
  // and a list that fills the buffer exactly counts as cut.
  std::uint32_t wideSize = size * 2;
  WideBuffer wide(wideSize);
  std::uint32_t length = SectionW(profile ? &*profile : nullptr, *Widen(section), wide.data(),
                                  wideSize, true);
  if (!length) {
    buffer[0] = buffer[1] = 0;
    return 0;
  }
  if (length == wideSize - 2) ++length;
  std::uint32_t result = Narrow(wide.data(), length + 1, buffer, size);
  if (!result || result == size) {
    buffer[size - 2] = buffer[size - 1] = 0;
    return size - 2;
  }
  return result - 1;
}

bool IniWriteString(const char* section, const char* key, const char* value, const char* file) {
  if (!section) return false;  // also the "flush the cache" call, which reports failure
  std::optional<WText> sectionW = Widen(section), keyW = Widen(key), valueW = Widen(value);
  std::optional<Profile> profile = OpenProfile(file, true);
  if (!profile) return false;
  if (!keyW) {
    // The first section of that name goes; success even when there is none.
    for (auto found = profile->sections.begin(); found != profile->sections.end(); ++found) {
      if (SameName(found->name, *sectionW)) {
        profile->sections.erase(found);
        SaveProfile(*profile, file);
        break;
      }
    }
    return true;
  }
  bool changed = false;
  if (!valueW) {
    changed = DeleteKey(&*profile, *sectionW, *keyW);
  } else {
    IniKey* found = FindOrAddKey(&*profile, *sectionW, *keyW);
    WText stored(TrimStart(*valueW));
    changed = !found->value || *found->value != stored;
    if (changed) found->value = std::move(stored);
  }
  // An unchanged file is not written again (and keeps its layout).
  return !changed || SaveProfile(*profile, file);
}

}  // namespace platform
