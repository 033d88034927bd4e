// Filling UTF-16 messages.
#include <gtest/gtest.h>

#include "common/format_wide.h"

namespace {

using common::FormatWide;

TEST(FormatWide, FillsThePlacesInOrder) {
  EXPECT_EQ(FormatWide(u"Текущий профиль: %s", {u"Проект"}), u"Текущий профиль: Проект");
  EXPECT_EQ(FormatWide(u"About %s %d.%d", {u"Arvenlo", common::DecimalWide(1),
                                           common::DecimalWide(0)}),
            u"About Arvenlo 1.0");
  // An argument is copied as it is, even when it looks like a place.
  EXPECT_EQ(FormatWide(u"\"%s\"", {u"50%s"}), u"\"50%s\"");
}

TEST(FormatWide, NeverReadsPastTheArguments) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"%s and %s", u"one and "},  // the second place has no argument
      {u"100%%", u"100%"},
      {u"50% off", u"50% off"},     // not a place: kept
      {u"ends with %", u"ends with %"},
      {u"%x%s", u"%xone"},
  };
  for (const auto& [format, expected] : cases) EXPECT_EQ(FormatWide(format, {u"one"}), expected);
  EXPECT_EQ(FormatWide(u"no places", {}), u"no places");
  EXPECT_EQ(common::DecimalWide(-12), u"-12");
}

}  // namespace
