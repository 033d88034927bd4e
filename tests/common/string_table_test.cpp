// Reading one entry of a string-table block.
#include <gtest/gtest.h>

#include "common/language.h"
#include "string_block.h"

namespace {

using common::StringTableEntry;
using common_test::StringBlock;

TEST(StringTableEntry, FindsEachIndexPastEmptyAndLongEntries) {
  std::string block = StringBlock({{0, u"first"}, {3, u"Текущий профиль: %s"},
                                   {7, std::u16string(300, u'x')}, {15, u"last"}});
  EXPECT_EQ(StringTableEntry(block, 0), u"first");
  EXPECT_EQ(StringTableEntry(block, 3), u"Текущий профиль: %s");
  EXPECT_EQ(StringTableEntry(block, 7), std::u16string(300, u'x'));
  EXPECT_EQ(StringTableEntry(block, 15), u"last");
  EXPECT_EQ(StringTableEntry(block, 1), u"");  // empty entries never match
  EXPECT_EQ(StringTableEntry(block, 16), u"");
}

TEST(StringTableEntry, ADamagedBlockGivesNothingRatherThanReadingPastIt) {
  std::string block = StringBlock({{0, u"first"}, {2, u"third"}});
  // Cut inside the text of entry 2, then inside its length, then to nothing.
  std::string cuts[] = {block.substr(0, block.size() - 26 - 4),
                        block.substr(0, 2 + 10 + 2 + 1), std::string()};
  for (const std::string& cut : cuts) {
    EXPECT_EQ(StringTableEntry(cut, 2), u"") << cut.size();
    EXPECT_EQ(StringTableEntry(std::string_view(cut.data(), cut.size()), 15), u"");
  }
  // A length that claims more than the block holds.
  std::string lying = block;
  lying[0] = '\xFF';
  EXPECT_EQ(StringTableEntry(lying, 0), u"");
  EXPECT_EQ(StringTableEntry(lying, 2), u"");
}

}  // namespace
