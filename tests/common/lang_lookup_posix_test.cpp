// String, dialog and menu lookup by language, over hand-built resources of
// the posix backend.
#include <gtest/gtest.h>

#include <cstring>

#include "common/language.h"
#include "platform/modules.h"
#include "platform/posix/simulation.h"
#include "platform/resources.h"
#include "string_block.h"

namespace {

using common_test::StringBlock;
using platform::posix::AddResource;
using platform::posix::SetDefaultString;

constexpr std::uint16_t kGerman = 1031;

class LangLookupTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::posix::ClearResources(); }
  void TearDown() override { platform::posix::ClearResources(); }

  void AddBlock(std::uint16_t block, std::uint16_t language,
                const std::map<unsigned, std::u16string>& entries) {
    AddResource(platform::ThisModule(), platform::kResourceString, block, language,
                StringBlock(entries));
  }
};

TEST_F(LangLookupTest, BlockNumberAndIndexComeFromTheIdentifier) {
  // 10000..10015 are block 626, 10016.. block 627.
  AddBlock(626, 1049, {{0, u"ru 10000"}, {10, u"ru 10010"}, {15, u"ru 10015"}});
  AddBlock(627, 1049, {{0, u"ru 10016"}, {8, u"ru 10024"}});
  AddBlock(626, 1033, {{0, u"en 10000"}});
  const std::pair<std::uint16_t, const char16_t*> cases[] = {
      {10000, u"ru 10000"}, {10010, u"ru 10010"}, {10015, u"ru 10015"},
      {10016, u"ru 10016"}, {10024, u"ru 10024"}};
  for (const auto& [id, expected] : cases)
    EXPECT_EQ(common::LoadLangStringWide(id, 1049), expected) << id;
  EXPECT_EQ(common::LoadLangStringWide(10000, 1033), u"en 10000");
}

TEST_F(LangLookupTest, AnEmptyEntryIsNotFoundEvenWhenOtherLanguagesHaveIt) {
  AddBlock(626, 1049, {{0, u"ru 10000"}});
  AddBlock(626, 1033, {{1, u"en 10001"}});
  SetDefaultString(platform::ThisModule(), 10001, u"en 10001");
  char buffer[32] = "untouched";
  EXPECT_EQ(common::LoadLangStringWide(10001, 1049), u"");
  EXPECT_EQ(common::LoadLangString(10001, 1049), "");
  EXPECT_EQ(common::LoadLangStringTo(10001, buffer, sizeof buffer, 1049), nullptr);
}

TEST_F(LangLookupTest, ABlockMissingInTheLanguageFallsBackToLoadString) {
  AddBlock(626, 1049, {{0, u"ru 10000"}});
  SetDefaultString(platform::ThisModule(), 10000, u"default 10000");
  char buffer[32] = {};
  EXPECT_EQ(common::LoadLangStringWide(10000, kGerman), u"default 10000");
  EXPECT_EQ(common::LoadLangString(10000, kGerman), "default 10000");
  EXPECT_EQ(common::LoadLangStringTo(10000, buffer, sizeof buffer, kGerman), buffer);
  EXPECT_STREQ(buffer, "default 10000");
  // Nothing there either: not found.
  EXPECT_EQ(common::LoadLangString(10001, kGerman), "");
  EXPECT_EQ(common::LoadLangStringTo(10001, buffer, sizeof buffer, kGerman), nullptr);
}

TEST_F(LangLookupTest, LongTextsFromLoadStringArriveWhole) {
  std::u16string text(5000, u'a');
  SetDefaultString(platform::ThisModule(), 10010, text);
  EXPECT_EQ(common::LoadLangString(10010, kGerman), std::string(5000, 'a'));
}

TEST_F(LangLookupTest, LoadLangStringToCutsToTheBufferAndTerminates) {
  AddBlock(626, 1033, {{5, u"Arvenlo for AutoCAD"}});
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(common::LoadLangStringTo(10005, buffer, 5, 1033), buffer);
  EXPECT_STREQ(buffer, "Arve");   // four characters and the terminator
  EXPECT_EQ(buffer[5], '#');      // nothing written past the given length
  EXPECT_EQ(common::LoadLangStringTo(10005, buffer, 1, 1033), buffer);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(common::LoadLangStringTo(10005, buffer, 0, 1033), nullptr);
  EXPECT_EQ(common::LoadLangStringTo(10005, nullptr, 8, 1033), nullptr);
}

TEST_F(LangLookupTest, TheCacheHoldsTheLastLookupOnly) {
  AddBlock(626, 1033, {{0, u"first"}, {1, u"second"}});
  const std::string& cache = common::LoadLangString(10000, 1033);
  EXPECT_EQ(cache, "first");
  EXPECT_EQ(&common::LoadLangString(10001, 1033), &cache);
  EXPECT_EQ(cache, "second");
  common::LoadLangString(10002, 1033);
  EXPECT_EQ(cache, "");  // emptied by a lookup that finds nothing
}

TEST(FindLangTemplate, FallsBackToEnglishOnly) {
  struct Kind {
    const char* name;
    std::uint16_t type;
    std::string_view (*find)(std::uint16_t, std::uint16_t);
  };
  const Kind kinds[] = {{"dialog", platform::kResourceDialog, &common::FindLangDialog},
                        {"menu", platform::kResourceMenu, &common::FindLangMenu}};
  for (const Kind& kind : kinds) {
    platform::posix::ClearResources();
    AddResource(platform::ThisModule(), kind.type, 200, 1033, "english template");
    AddResource(platform::ThisModule(), kind.type, 200, 1049, "russian template");
    AddResource(platform::ThisModule(), kind.type, 201, kGerman, "german template");
    EXPECT_EQ(kind.find(200, 1049), "russian template") << kind.name;
    EXPECT_EQ(kind.find(200, 1033), "english template") << kind.name;
    EXPECT_EQ(kind.find(200, kGerman), "english template") << kind.name;
    EXPECT_EQ(kind.find(201, 1049), "") << kind.name;  // neither in Russian nor in English
    EXPECT_EQ(kind.find(202, 1033), "") << kind.name;
  }
  // The two kinds do not mix.
  platform::posix::ClearResources();
  AddResource(platform::ThisModule(), platform::kResourceMenu, 300, 1033, "menu");
  EXPECT_EQ(common::FindLangDialog(300, 1033), "");
  platform::posix::ClearResources();
}

}  // namespace
