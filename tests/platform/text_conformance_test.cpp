// UTF-8 and UTF-16 conversions of the platform seam against whichever
// backend is linked: natively our own, under Wine the system's converters.
// (The ANSI ones depend on the code page, which differs between the two.)

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace {

using namespace std::string_literals;

struct TextCase {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};

const TextCase kCases[] = {
    {"Empty", "", u""},
    {"Ascii", "Profile 1", u"Profile 1"},
    {"EmbeddedZero", "a\0b"s, u"a\0b"s},
    {"Latin", "Gr\xC3\xBC\xC3\x9F" "e", u"Gr\u00FC\u00DFe"},
    {"Cyrillic", "\xD0\x9F\xD1\x80\xD0\xBE\xD1\x84\xD0\xB8\xD0\xBB\xD1\x8C",
     u"\u041F\u0440\u043E\u0444\u0438\u043B\u044C"},
    {"ThreeBytes", "\xE2\x82\xAC\xEF\xBF\xBD", u"\u20AC\uFFFD"},
    {"SurrogatePair", "\xF0\x9F\x98\x80", u"\U0001F600"},
    {"HighestCodePoint", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
};

class TextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextTest, ConvertsBothWays) {
  const TextCase& c = GetParam();
  EXPECT_EQ(platform::Utf8ToWide(c.utf8), c.utf16);
  EXPECT_EQ(platform::WideToUtf8(c.utf16), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Text, TextTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TextCase>& info) {
                           return std::string(info.param.name);
                         });

struct WideCase {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};

// A surrogate without its partner cannot be written in UTF-8.
const WideCase kMalformedWide[] = {
    {"LoneHighSurrogate", u"a\xD83D" u"b", "a\xEF\xBF\xBD" "b"},
    {"LoneLowSurrogate", u"a\xDE00" u"b", "a\xEF\xBF\xBD" "b"},
    {"HighSurrogateAtEnd", u"a\xD83D", "a\xEF\xBF\xBD"},
    {"SwappedPair", u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
};

class TextMalformedWideTest : public testing::TestWithParam<WideCase> {};

TEST_P(TextMalformedWideTest, BecomesReplacementCharacter) {
  EXPECT_EQ(platform::WideToUtf8(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Text, TextMalformedWideTest, testing::ValuesIn(kMalformedWide),
                         [](const testing::TestParamInfo<WideCase>& info) {
                           return std::string(info.param.name);
                         });

// Where the replacement characters go: a lead byte and the continuation
// bytes that fit count as one before the value is checked; a sequence cut
// short by the end of the text takes the rest of it.
const WideCase kMalformedUtf8[] = {
    {"StrayContinuation", u"a\uFFFDb", "a\x80" "b"},
    {"CutSequence", u"a\uFFFDb", "a\xE2\x82" "b"},
    {"CutAtEnd", u"a\uFFFD", "a\xF0\x9F\x98"},
    {"CutSequenceTakesTheRest", u"a\uFFFD", "a\xE2" "b"},
    {"OverlongTwoBytes", u"\uFFFD\uFFFD", "\xC0\xAF"},
    {"OverlongThreeBytes", u"\uFFFD\uFFFD", "\xE0\x80\xAF"},
    {"OverlongFourBytes", u"\uFFFD\uFFFD\uFFFD", "\xF0\x80\x80\xAF"},
    {"EncodedSurrogate", u"\uFFFD\uFFFD", "\xED\xA0\x80"},
    {"AboveUnicode", u"\uFFFD\uFFFD\uFFFD", "\xF4\x90\x80\x80"},
    {"InvalidByte", u"a\uFFFDb", "a\xFF" "b"},
};

class TextMalformedUtf8Test : public testing::TestWithParam<WideCase> {};

TEST_P(TextMalformedUtf8Test, BecomesReplacementCharacter) {
  EXPECT_EQ(platform::Utf8ToWide(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(Text, TextMalformedUtf8Test, testing::ValuesIn(kMalformedUtf8),
                         [](const testing::TestParamInfo<WideCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
