// The ini functions of the platform seam against whichever backend is
// linked: natively our own reader, under Wine the real GetPrivateProfile*A.
// Every case runs on a file of its own in a fresh temporary folder. A call's
// whole buffer is checked, '#' marking what it left alone, because callers
// see exactly that (a cut list, a missing second terminator).

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/ini.h"
#include "tests/platform/temp_folder.h"

namespace {

using namespace std::string_literals;

constexpr char kUntouched = '#';

// A file with most of what the lookup rules are about.
const std::string kSample =
    "; a comment before any section\r\n"
    "top=before any section\r\n"
    "\r\n"
    "[General]\r\n"
    "Name = Alpha  \r\n"
    "  Spaced Key   =   spaced value   \r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "Quoted=\"quoted value\"\r\n"
    "Single='single'\r\n"
    "OpenQuote=\"open\r\n"
    "LoneQuote=\"\r\n"
    "TwoQuotes=\"\"\r\n"
    "Inner=a \"b\" c\r\n"
    "Mixed=\"mixed'\r\n"
    "Tabbed=\tvalue\t\r\n"
    ";Commented=1\r\n"
    "Semicolon=a;b\r\n"
    "Equals=a=b\r\n"
    "[general]\r\n"
    "Name=from the second General\r\n"
    "Extra=only in the second General\r\n"
    "[Other]\n"
    "Dup=first\n"
    "dup=second\n"
    "[  Padded Section  ]\r\n"
    "k=v\r\n"
    "[Unclosed\r\n"
    "after=unclosed\r\n"
    "[Trailing] text\r\n"
    "t=1\r\n"
    "[Empty Section]\r\n"
    "[Last]\r\n"
    "end=yes";

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) bytes += bigEndian ? "\0"s + c : c + "\0"s;
  return bytes;
}

class IniFile {
 public:
  IniFile() : path_(folder_.Join("test.ini")) {}
  explicit IniFile(const std::optional<std::string>& contents) : IniFile() {
    if (contents) {
      EXPECT_TRUE(platform::WriteWholeFile(path_, *contents));
    }
  }
  const char* path() const { return path_.c_str(); }
  const platform_test::TempFolder& folder() const { return folder_; }
  std::optional<std::string> Contents() const {
    std::string contents;
    if (!platform::ReadWholeFile(path_, &contents)) return std::nullopt;
    return contents;
  }

 private:
  platform_test::TempFolder folder_;
  std::string path_;
};

// A buffer of `size` characters, all kUntouched, with guards on either side.
class Buffer {
 public:
  explicit Buffer(std::uint32_t size) : bytes_(size + 2 * kGuard, kUntouched), size_(size) {}
  char* data() { return bytes_.data() + kGuard; }
  std::uint32_t size() const { return size_; }
  // What a call wrote, padded with kUntouched to the buffer's size; the
  // guards must be untouched.
  std::string Contents() const {
    EXPECT_EQ(bytes_.substr(0, kGuard), std::string(kGuard, kUntouched));
    EXPECT_EQ(bytes_.substr(kGuard + size_), std::string(kGuard, kUntouched));
    return bytes_.substr(kGuard, size_);
  }

 private:
  static constexpr std::size_t kGuard = 4;
  std::string bytes_;
  std::uint32_t size_;
};

std::string Padded(const std::string& written, std::uint32_t size) {
  return written + std::string(size - written.size(), kUntouched);
}

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// --- IniGetString with a section and a key --------------------------------

struct StringCase {
  const char* name;
  const char* section;
  const char* key;
  const char* def;
  std::uint32_t size;
  std::string written;  // what lands in the buffer, terminator included
  std::uint32_t result;
};

const StringCase kStringCases[] = {
    {"NamesIgnoreCase", "GENERAL", "name", "-", 64, "Alpha\0"s, 5},
    {"BlanksAroundKeyAndValue", "General", "Spaced Key", "-", 64, "spaced value\0"s, 12},
    {"BlanksAroundAskedNames", "  General ", "  spaced key  ", "-", 64, "spaced value\0"s, 12},
    {"EmptyValueIsNotTheDefault", "General", "Empty", "dflt", 64, "\0"s, 0},
    {"LineWithoutEqualsGivesDefault", "General", "NoEquals", "dflt", 64, "dflt\0"s, 4},
    {"DoubleQuotesRemoved", "General", "Quoted", "-", 64, "quoted value\0"s, 12},
    {"SingleQuotesRemoved", "General", "Single", "-", 64, "single\0"s, 6},
    {"UnmatchedQuoteKept", "General", "OpenQuote", "-", 64, "\"open\0"s, 5},
    {"LoneQuoteKept", "General", "LoneQuote", "-", 64, "\"\0"s, 1},
    {"EmptyQuotes", "General", "TwoQuotes", "-", 64, "\0"s, 0},
    {"InnerQuotesKept", "General", "Inner", "-", 64, "a \"b\" c\0"s, 7},
    {"DifferentQuotesKept", "General", "Mixed", "-", 64, "\"mixed'\0"s, 7},
    {"TabsTrimmed", "General", "Tabbed", "-", 64, "value\0"s, 5},
    {"SemicolonInValueKept", "General", "Semicolon", "-", 64, "a;b\0"s, 3},
    {"SecondEqualsInValueKept", "General", "Equals", "-", 64, "a=b\0"s, 3},
    {"CommentLineReadsAsKey", "General", ";Commented", "-", 64, "1\0"s, 1},
    {"FirstOfTwoSectionsWins", "general", "Name", "-", 64, "Alpha\0"s, 5},
    {"LaterSectionOfSameNameUnseen", "General", "Extra", "dflt", 64, "dflt\0"s, 4},
    {"FirstOfTwoKeysWins", "Other", "DUP", "-", 64, "first\0"s, 5},
    {"SectionNameTrimmed", "Padded Section", "k", "-", 64, "v\0"s, 1},
    {"UnclosedHeaderIsJustALine", "Padded Section", "after", "-", 64, "unclosed\0"s, 8},
    {"TextAfterHeaderIgnored", "Trailing", "t", "-", 64, "1\0"s, 1},
    {"LastLineWithoutNewline", "Last", "end", "-", 64, "yes\0"s, 3},
    {"KeysBeforeAnySection", "", "top", "-", 64, "before any section\0"s, 18},
    {"MissingSection", "Nope", "Name", "dflt", 64, "dflt\0"s, 4},
    {"MissingKey", "General", "Nope", "dflt", 64, "dflt\0"s, 4},
    {"DefaultTrailingSpacesTrimmed", "General", "Nope", "dflt   ", 64, "dflt\0"s, 4},
    {"DefaultLeadingSpacesKept", "General", "Nope", "  dflt", 64, "  dflt\0"s, 6},
    {"DefaultTrailingTabKept", "General", "Nope", "dflt\t", 64, "dflt\t\0"s, 5},
    {"DefaultOfSpacesKeepsOne", "General", "Nope", "   ", 64, " \0"s, 1},
    {"NullDefault", "General", "Nope", nullptr, 64, "\0"s, 0},
    {"DefaultQuotesRemoved", "General", "Nope", "\"q\"", 64, "q\0"s, 1},
    {"ValueFitsExactly", "General", "Name", "-", 6, "Alpha\0"s, 5},
    {"ValueCut", "General", "Name", "-", 5, "Alph\0"s, 4},
    {"ValueCutToOne", "General", "Name", "-", 2, "A\0"s, 1},
    {"BufferOfOne", "General", "Name", "-", 1, "\0"s, 0},
    {"BufferOfNone", "General", "Name", "-", 0, ""s, 0},
    {"QuotedValueWithRoomToSpare", "General", "Quoted", "-", 14, "quoted value\0"s, 12},
    {"QuotedValueFittingExactly", "General", "Quoted", "-", 13, "quoted valu\0"s, 11},
    {"QuotedValueCut", "General", "Quoted", "-", 5, "quot\0"s, 4},
    {"DefaultCut", "General", "Nope", "dflt", 3, "df\0"s, 2},
};

class IniStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(IniStringTest, ReadsAsWindowsDoes) {
  const StringCase& c = GetParam();
  IniFile file(kSample);
  Buffer buffer(c.size);
  EXPECT_EQ(platform::IniGetString(c.section, c.key, c.def, buffer.data(), c.size, file.path()),
            c.result);
  EXPECT_EQ(buffer.Contents(), Padded(c.written, c.size));
}

INSTANTIATE_TEST_SUITE_P(Ini, IniStringTest, testing::ValuesIn(kStringCases),
                         CaseName<StringCase>);

// --- Lists: key names, section names, whole sections ----------------------

enum class ListCall {
  kKeyNames,          // IniGetString(section, null, def)
  kSectionNames,      // IniGetSectionNames
  kSectionNamesByString,  // IniGetString(null, ...)
  kSection,           // IniGetSection(section)
};

struct ListCase {
  const char* name;
  ListCall call;
  std::string file;
  const char* section;  // for kKeyNames and kSection
  std::uint32_t size;
  std::string written;
  std::uint32_t result;
};

const std::string kThree = "[One]\r\n[Two]\r\n[Three]\r\n";
const std::string kSmall =
    "[S]\r\na=1\r\nbb=22\r\nnovalue\r\n;comment=x\r\n\r\n[E]\r\n[T]\r\nz=0\r\n";

const ListCase kListCases[] = {
    // Keys of a section: lines with "=" only, no comments.
    {"KeysOfSection", ListCall::kKeyNames, kSample, "general", 256,
     "Name\0Spaced Key\0Empty\0Quoted\0Single\0OpenQuote\0LoneQuote\0TwoQuotes\0Inner\0"
     "Mixed\0Tabbed\0Semicolon\0Equals\0\0"s,
     102},
    {"KeysOfMissingSectionGiveDefault", ListCall::kKeyNames, kSample, "Nope", 64, "dflt  \0"s, 6},
    {"KeysOfEmptySectionGiveDefault", ListCall::kKeyNames, kSample, "Empty Section", 64,
     "dflt  \0"s, 6},
    {"KeysWithRoomToSpare", ListCall::kKeyNames, kSample, "Other", 10, "Dup\0dup\0\0"s, 8},
    {"KeysFittingExactly", ListCall::kKeyNames, kSample, "Other", 9, "Dup\0dup\0"s, 7},
    {"KeysCut", ListCall::kKeyNames, kSample, "Other", 8, "Dup\0du\0"s, 6},

    // Section names in file order, duplicates and all.
    {"SectionNames", ListCall::kSectionNames, kSample, nullptr, 256,
     "General\0general\0Other\0Padded Section\0Trailing\0Empty Section\0Last\0\0"s, 65},
    {"SectionNamesWithRoomToSpare", ListCall::kSectionNames, kThree, nullptr, 16,
     "One\0Two\0Three\0\0"s, 14},
    {"SectionNamesFittingExactly", ListCall::kSectionNames, kThree, nullptr, 15,
     "One\0Two\0Three\0"s, 13},
    {"SectionNamesCutBetweenNames", ListCall::kSectionNames, kThree, nullptr, 10,
     "One\0Two\0\0"s, 8},
    {"SectionNamesCutInName", ListCall::kSectionNames, kThree, nullptr, 4, "On\0"s, 2},
    {"SectionNamesInTwo", ListCall::kSectionNames, kThree, nullptr, 2, "\0"s, 0},
    {"SectionNamesInOne", ListCall::kSectionNames, kThree, nullptr, 1, "\0"s, 0},
    {"SectionNamesInNone", ListCall::kSectionNames, kThree, nullptr, 0, ""s, 0},
    {"SectionNamesOfEmptyFile", ListCall::kSectionNames, "", nullptr, 16, "\0"s, 0},
    {"SectionNamesByString", ListCall::kSectionNamesByString, kThree, nullptr, 64,
     "One\0Two\0Three\0\0"s, 14},
    {"SectionNamesByStringFittingExactly", ListCall::kSectionNamesByString, kThree, nullptr, 15,
     "One\0Two\0Three\0"s, 13},
    {"SectionNamesByStringCut", ListCall::kSectionNamesByString, kThree, nullptr, 10,
     "One\0Two\0\0"s, 8},
    {"SectionNamesByStringInTwo", ListCall::kSectionNamesByString, kThree, nullptr, 2, "\0"s, 0},

    // Whole sections: "key=value" lines as they stand (quotes too), lines
    // without "=" as they stand, no comments. The A function gives its W
    // sibling twice the room and cuts the bytes itself.
    {"Section", ListCall::kSection, kSmall, "s", 64, "a=1\0bb=22\0novalue\0\0"s, 18},
    {"SectionKeepsQuotes", ListCall::kSection, kSample, "Other", 64, "Dup=first\0dup=second\0\0"s,
     21},
    {"SectionWithRoomToSpare", ListCall::kSection, kSmall, "S", 20, "a=1\0bb=22\0novalue\0\0"s, 18},
    {"SectionFittingExactly", ListCall::kSection, kSmall, "S", 19, "a=1\0bb=22\0novalue\0\0"s, 17},
    {"SectionCut", ListCall::kSection, kSmall, "S", 18, "a=1\0bb=22\0novalu\0\0"s, 16},
    {"SectionCutAtLineEnd", ListCall::kSection, kSmall, "S", 10, "a=1\0bb=2\0\0"s, 8},
    {"SectionCutShort", ListCall::kSection, kSmall, "S", 6, "a=1\0\0\0"s, 4},
    {"SectionInThree", ListCall::kSection, kSmall, "S", 3, "a\0\0"s, 1},
    {"SectionInTwo", ListCall::kSection, kSmall, "S", 2, "\0\0"s, 0},
    {"EmptySection", ListCall::kSection, kSmall, "E", 64, "\0\0"s, 0},
    {"MissingSection", ListCall::kSection, kSmall, "Nope", 64, "\0\0"s, 0},
    {"SectionNameNotTrimmed", ListCall::kSection, kSmall, " S", 64, "\0\0"s, 0},
};

std::uint32_t CallList(const ListCase& c, char* buffer, const char* file) {
  switch (c.call) {
    case ListCall::kKeyNames:
      return platform::IniGetString(c.section, nullptr, "dflt  ", buffer, c.size, file);
    case ListCall::kSectionNames:
      return platform::IniGetSectionNames(buffer, c.size, file);
    case ListCall::kSectionNamesByString:
      return platform::IniGetString(nullptr, nullptr, "dflt", buffer, c.size, file);
    case ListCall::kSection:
      return platform::IniGetSection(c.section, buffer, c.size, file);
  }
  return 0;
}

class IniListTest : public testing::TestWithParam<ListCase> {};

TEST_P(IniListTest, ListsAsWindowsDoes) {
  const ListCase& c = GetParam();
  IniFile file(c.file);
  Buffer buffer(c.size);
  EXPECT_EQ(CallList(c, buffer.data(), file.path()), c.result);
  EXPECT_EQ(buffer.Contents(), Padded(c.written, c.size));
}

INSTANTIATE_TEST_SUITE_P(Ini, IniListTest, testing::ValuesIn(kListCases), CaseName<ListCase>);

// --- Files that cannot be read, and what each call makes of them -----------

enum class Unreadable { kMissingFile, kMissingFolder, kFolder };

struct UnreadableCase {
  const char* name;
  Unreadable what;
  ListCall call;  // kKeyNames here means a plain IniGetString with a key
  std::uint32_t size;
  std::string written;
  std::uint32_t result;
};

// A missing file reads as an empty one (quotes come off the default); a file
// that cannot be opened at all gives the default as it stands.
const UnreadableCase kUnreadableCases[] = {
    {"MissingFileString", Unreadable::kMissingFile, ListCall::kKeyNames, 16, "q\0"s, 1},
    {"MissingFileSectionNames", Unreadable::kMissingFile, ListCall::kSectionNames, 16, "\0"s, 0},
    {"MissingFileSection", Unreadable::kMissingFile, ListCall::kSection, 16, "\0\0"s, 0},
    {"MissingFolderString", Unreadable::kMissingFolder, ListCall::kKeyNames, 16, "\"q\"\0"s, 3},
    {"MissingFolderSectionNames", Unreadable::kMissingFolder, ListCall::kSectionNames, 16, "\0"s,
     0},
    {"MissingFolderSection", Unreadable::kMissingFolder, ListCall::kSection, 16, "\0\0"s, 0},
    {"FolderString", Unreadable::kFolder, ListCall::kKeyNames, 16, "\"q\"\0"s, 3},
    {"FolderSection", Unreadable::kFolder, ListCall::kSection, 16, "\0\0"s, 0},
};

std::string UnreadablePath(const platform_test::TempFolder& folder, Unreadable what) {
  switch (what) {
    case Unreadable::kMissingFile: return folder.Join("missing.ini");
    case Unreadable::kMissingFolder:
      return folder.Join("missing") + platform::PathSeparator() + "test.ini";
    case Unreadable::kFolder: break;
  }
  std::string path = folder.Join("folder.ini");
  EXPECT_TRUE(platform::CreateFolder(path));
  return path;
}

class IniUnreadableTest : public testing::TestWithParam<UnreadableCase> {};

TEST_P(IniUnreadableTest, ReadsAsWindowsDoes) {
  const UnreadableCase& c = GetParam();
  platform_test::TempFolder folder;
  std::string path = UnreadablePath(folder, c.what);
  Buffer buffer(c.size);
  std::uint32_t result =
      c.call == ListCall::kKeyNames
          ? platform::IniGetString("S", "k", "\"q\"", buffer.data(), c.size, path.c_str())
      : c.call == ListCall::kSectionNames
          ? platform::IniGetSectionNames(buffer.data(), c.size, path.c_str())
          : platform::IniGetSection("S", buffer.data(), c.size, path.c_str());
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(buffer.Contents(), Padded(c.written, c.size));
  EXPECT_EQ(platform::IniGetInt("S", "k", 7, path.c_str()), 7u);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniUnreadableTest, testing::ValuesIn(kUnreadableCases),
                         CaseName<UnreadableCase>);

// --- How a file is laid out: line ends, encodings -------------------------

struct LayoutCase {
  const char* name;
  std::string file;
  const char* key;     // in section S
  const char* value;   // null: the default
};

const LayoutCase kLayoutCases[] = {
    {"CarriageReturnsOnly", "[S]\ra=1\rb=2", "b", "2"},
    {"LineFeedsOnly", "[S]\na=1\nb=2\n", "b", "2"},
    {"BlankLinesBetween", "\r\n\r\n[S]\r\n\r\n\r\nb=2\r\n\r\n", "b", "2"},
    {"HeaderWithBlanksAround", "  [S]  \r\nb=2\r\n", "b", "2"},
    {"EndOfFileMark", "[S]\r\nb=2\x1a", "b", "2"},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[S]\r\nb=2\r\n", "b", "2"},
    {"Utf16LittleEndian", Utf16("[S]\r\nb=2\r\n", false), "b", "2"},
    {"Utf16BigEndian", Utf16("[S]\r\nb=2\r\n", true), "b", "2"},
    {"EmptyFile", "", "b", nullptr},
    {"EmptyKeyName", "[S]\r\n=2\r\n", "", "2"},
    {"BlankKeyName", "[S]\r\n  =2\r\n", " ", "2"},
    {"EmptySectionHeader", "[]\r\nb=2\r\n[S]\r\n", "b", nullptr},
};

class IniLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(IniLayoutTest, ReadsAsWindowsDoes) {
  const LayoutCase& c = GetParam();
  IniFile file(c.file);
  char buffer[64];
  platform::IniGetString("S", c.key, "(default)", buffer, sizeof buffer, file.path());
  EXPECT_STREQ(buffer, c.value ? c.value : "(default)");
}

INSTANTIATE_TEST_SUITE_P(Ini, IniLayoutTest, testing::ValuesIn(kLayoutCases),
                         CaseName<LayoutCase>);

// --- IniGetInt ---------------------------------------------------------------

struct IntCase {
  const char* name;
  const char* line;  // in section N; null: no such key
  int def;
  std::uint32_t result;
};

const IntCase kIntCases[] = {
    {"Plain", "v=42", 7, 42},
    {"Blanks", "v =   42   ", 7, 42},
    {"Negative", "v=-17", 7, 0xFFFFFFEFu},
    {"Plus", "v=+5", 7, 5},
    {"Hex", "v=0x1F", 7, 31},
    {"HexSmallDigits", "v=0xff", 7, 255},
    {"HexCapitalXIsZero", "v=0X1F", 7, 0},
    {"NegativeHex", "v=-0x10", 7, 0xFFFFFFF0u},
    {"Octal", "v=0o17", 7, 15},
    {"Binary", "v=0b101", 7, 5},
    {"LeadingZerosAreDecimal", "v=010", 7, 10},
    {"DigitsThenText", "v=12abc", 7, 12},
    {"TextOnly", "v=abc", 7, 0},
    {"Decimals", "v=3.9", 7, 3},
    {"BlankInside", "v=1 2", 7, 1},
    {"BlankAfterSign", "v=- 5", 7, 0},
    {"Quoted", "v=\"8\"", 7, 8},
    {"Largest", "v=4294967295", 7, 4294967295u},
    {"Wraps", "v=4294967297", 7, 1},
    {"CutAt29Characters", "v=000000000000000000000000000042", 7, 4},
    {"EmptyValueGivesDefault", "v=", 7, 7},
    {"QuotesOnlyGiveDefault", "v=\"\"", 7, 7},
    {"NoEqualsGivesDefault", "v", 7, 7},
    {"MissingGivesDefault", nullptr, 7, 7},
    {"NegativeDefault", nullptr, -1, 0xFFFFFFFFu},
};

class IniIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(IniIntTest, ParsesAsWindowsDoes) {
  const IntCase& c = GetParam();
  IniFile file("[N]\r\n" + std::string(c.line ? c.line : "other=1") + "\r\n");
  EXPECT_EQ(platform::IniGetInt("n", "V", c.def, file.path()), c.result);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniIntTest, testing::ValuesIn(kIntCases), CaseName<IntCase>);

// --- IniWriteString --------------------------------------------------------

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // none: no file
  const char* section;
  const char* key;
  const char* value;
  bool result;
  std::optional<std::string> after;
};

const std::string kTwoSections = "[S]\r\na=1\r\n[T]\r\nb=2\r\n";
const std::string kUntidy = "; note\r\n\r\n[S]\r\n  a = 1  \r\n\r\nflag\r\n";

// A file is written out whole after a change: blank lines gone, blanks
// around "=" gone, comments kept. A call that changes nothing leaves it be.
const WriteCase kWriteCases[] = {
    {"NewFile", std::nullopt, "S", "k", "v", true, "[S]\r\nk=v\r\n"s},
    {"ReplaceKeepsSpelling", "[S]\r\nKey=old\r\n"s, "s", "KEY", "new", true,
     "[S]\r\nKey=new\r\n"s},
    {"NewKeyEndsItsSection", kTwoSections, "S", "c", "3", true,
     "[S]\r\na=1\r\nc=3\r\n[T]\r\nb=2\r\n"s},
    {"NewSectionEndsFile", kTwoSections, "U", "c", "3", true, kTwoSections + "[U]\r\nc=3\r\n"},
    {"ValueLosesLeadingBlanks", std::nullopt, "S", "k", "  v  ", true, "[S]\r\nk=v  \r\n"s},
    {"NewNamesLoseLeadingBlanks", std::nullopt, "  S  ", "  k  ", "v", true,
     "[S  ]\r\nk  =v\r\n"s},
    {"BlankNamesFindExisting", kTwoSections, " S ", " a ", "9", true,
     "[S]\r\na=9\r\n[T]\r\nb=2\r\n"s},
    {"EmptyValue", std::nullopt, "S", "k", "", true, "[S]\r\nk=\r\n"s},
    {"RewriteTidies", kUntidy, "S", "b", "2", true, "; note\r\n[S]\r\na=1\r\nflag\r\nb=2\r\n"s},
    {"SameValueLeavesFileAlone", kUntidy, "s", "A", "1", true, kUntidy},
    {"KeysBeforeAnySection", "a=1\r\n[S]\r\n"s, "", "b", "2", true, "a=1\r\nb=2\r\n[S]\r\n"s},
    {"DeleteKey", kTwoSections, "S", "a", nullptr, true, "[S]\r\n[T]\r\nb=2\r\n"s},
    {"DeleteKeyOfLaterSameSection", "[S]\r\na=1\r\n[s]\r\nb=2\r\n"s, "S", "b", nullptr, true,
     "[S]\r\na=1\r\n[s]\r\n"s},
    {"DeleteMissingKeyLeavesFileAlone", kUntidy, "S", "zz", nullptr, true, kUntidy},
    {"DeleteKeyOfMissingFile", std::nullopt, "S", "k", nullptr, true, std::nullopt},
    {"DeleteSection", kTwoSections, "s", nullptr, nullptr, true, "[T]\r\nb=2\r\n"s},
    {"DeleteMissingSectionLeavesFileAlone", kUntidy, "X", nullptr, nullptr, true, kUntidy},
    {"NullSectionFails", kTwoSections, nullptr, "a", "1", false, kTwoSections},
    {"NothingAtAllFails", kTwoSections, nullptr, nullptr, nullptr, false, kTwoSections},
    {"Utf8ByteOrderMarkKept", "\xEF\xBB\xBF[S]\r\na=1\r\n"s, "S", "a", "2", true,
     "\xEF\xBB\xBF[S]\r\na=2\r\n"s},
    {"Utf16Kept", Utf16("[S]\r\na=1\r\n", false), "S", "a", "2", true,
     Utf16("[S]\r\na=2\r\n", false)},
};

class IniWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, WritesAsWindowsDoes) {
  const WriteCase& c = GetParam();
  IniFile file(c.before);
  EXPECT_EQ(platform::IniWriteString(c.section, c.key, c.value, file.path()), c.result);
  EXPECT_EQ(file.Contents(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniWriteTest, testing::ValuesIn(kWriteCases),
                         CaseName<WriteCase>);

TEST(IniWrite, WrittenValueReadsBackTrimmed) {
  IniFile file;
  ASSERT_TRUE(platform::IniWriteString("Language", "Current", "  ru  ", file.path()));
  char buffer[16];
  EXPECT_EQ(platform::IniGetString("LANGUAGE", "current", "", buffer, sizeof buffer, file.path()),
            2u);
  EXPECT_STREQ(buffer, "ru");
}

TEST(IniWrite, FailsInMissingFolder) {
  platform_test::TempFolder folder;
  std::string path = folder.Join("missing") + platform::PathSeparator() + "test.ini";
  EXPECT_FALSE(platform::IniWriteString("S", "k", "v", path.c_str()));
  EXPECT_FALSE(platform::FileExists(path));
}

// A read-only file is opened for writing even when nothing changes, so each
// of these calls succeeds exactly when the file may be written at all.
TEST(IniWrite, ReadOnlyFileAsPermitted) {
  IniFile file(kTwoSections);
  ASSERT_TRUE(platform_test::SetReadOnly(file.path(), true));
  bool writable = platform_test::ReadOnlyFilesAreWritable();
  EXPECT_EQ(platform::IniWriteString("S", "missing", nullptr, file.path()), writable);
  EXPECT_EQ(platform::IniWriteString("S", "a", "1", file.path()), writable);
  EXPECT_EQ(file.Contents(), kTwoSections);
  EXPECT_EQ(platform::IniWriteString("S", "a", "2", file.path()), writable);
  EXPECT_EQ(file.Contents(), writable ? "[S]\r\na=2\r\n[T]\r\nb=2\r\n"s : kTwoSections);
  char buffer[8];
  EXPECT_EQ(platform::IniGetString("T", "b", "", buffer, sizeof buffer, file.path()), 1u);
}

TEST(IniPath, AcceptsEitherSeparator) {
  IniFile file(kTwoSections);
  std::string path = file.folder().path() + "/test.ini";
  std::string backslashed = file.folder().path() + "\\test.ini";
  char buffer[8];
  EXPECT_EQ(platform::IniGetString("T", "b", "", buffer, sizeof buffer, path.c_str()), 1u);
  EXPECT_EQ(platform::IniGetString("T", "b", "", buffer, sizeof buffer, backslashed.c_str()), 1u);
}

}  // namespace
