// Text conversions for the posix backend, where the "ANSI" code page is
// UTF-8: ANSI and UTF-8 are the same conversions. Malformed input becomes
// U+FFFD where the Windows converters (as Wine has them) put it: for a
// UTF-16 surrogate without its partner, and for broken UTF-8 as
// NextFromUtf8 says.

#include "platform/text.h"

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendUtf16(char32_t cp, std::u16string* out) {
  if (cp < 0x10000) {
    out->push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// One code point from `text` at `*pos`, which moves past what was used, or
// U+FFFD. This is the rule of the Windows converter as Wine has it: a lead
// byte and each continuation byte that fits are used up before the value is
// checked, so an overlong form or an encoded surrogate gives U+FFFD for its
// first bytes and another for each byte left; a sequence that the text ends
// before it could complete uses up the rest of the text.
char32_t NextFromUtf8(const std::string& text, std::size_t* pos) {
  auto lead = static_cast<unsigned char>(text[(*pos)++]);
  if (lead < 0x80) return lead;
  int trailing = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    trailing = 1;
  else if (lead >= 0xE0 && lead <= 0xEF)
    trailing = 2;
  else if (lead >= 0xF0 && lead <= 0xF4)
    trailing = 3;
  else
    return kReplacement;
  if (text.size() - *pos < static_cast<std::size_t>(trailing)) {
    *pos = text.size();
    return kReplacement;
  }
  static constexpr unsigned char kLeadMask[] = {0x7F, 0x1F, 0x0F, 0x07};
  char32_t cp = lead & kLeadMask[trailing];
  // The continuation byte at *pos, as its six bits, or nothing.
  auto next = [&]() -> int {
    unsigned bits = static_cast<unsigned char>(text[*pos]) ^ 0x80u;
    return bits < 0x40 ? static_cast<int>(bits) : -1;
  };
  int bits = 0;
  if (trailing == 3) {
    if ((bits = next()) < 0) return kReplacement;
    cp = cp << 6 | static_cast<char32_t>(bits);
    ++*pos;
    if (cp < 0x10) return kReplacement;  // overlong
  }
  if (trailing >= 2) {
    if ((bits = next()) < 0) return kReplacement;
    cp = cp << 6 | static_cast<char32_t>(bits);
    if (cp >= (0x110000 >> 6)) return kReplacement;  // above U+10FFFF, byte not used
    ++*pos;
    if (cp < 0x20) return kReplacement;                                // overlong
    if (cp >= (0xD800 >> 6) && cp <= (0xDFFF >> 6)) return kReplacement;  // a surrogate
  }
  if ((bits = next()) < 0) return kReplacement;
  cp = cp << 6 | static_cast<char32_t>(bits);
  ++*pos;
  return cp;
}

}  // namespace

std::string WideToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(0x10000 + ((char32_t{c} - 0xD800) << 10) + (text[i + 1] - 0xDC00), &out);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUtf8(kReplacement, &out);
    } else {
      AppendUtf8(c, &out);
    }
  }
  return out;
}

std::u16string Utf8ToWide(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) AppendUtf16(NextFromUtf8(text, &pos), &out);
  return out;
}

std::string WideToAnsi(const std::u16string& text) { return WideToUtf8(text); }
std::u16string AnsiToWide(const std::string& text) { return Utf8ToWide(text); }

}  // namespace platform
