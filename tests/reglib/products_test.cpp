// Finding installed products by release prefix and handing them out.
#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "tests/reglib/reg_fixture.h"

namespace regtest {
namespace {

void AddProduct(const std::string& family, const std::string& release, const std::string& key,
                const char* name, const char* location, std::uint32_t view = 0) {
  std::string path = "Software\\Autodesk\\" + family + "\\" + release + "\\" + key;
  const char* locationValue = family == "AutoCAD" ? "AcadLocation" : "Location";
  WriteString(kHklm, path, "Marker", "x", view);
  if (name) WriteString(kHklm, path, "ProductName", name, view);
  if (location) WriteString(kHklm, path, locationValue, location, view);
}

using Listed = std::tuple<std::string, std::string, std::string, std::string, std::string>;

std::vector<Listed> Drain(const RegLibApi& lib) {
  std::vector<Listed> out;
  char f[64], r[64], k[64], n[260], l[520];
  while (lib.GetNextAutoDeskProduct(f, r, k, n, l)) out.emplace_back(f, r, k, n, l);
  return out;
}

class ProductsTest : public RegLibTest {
 protected:
  void SetUp() override {
    RegLibTest::SetUp();
    AddProduct("AutoCAD", "R16.2", "ACAD-4001:409", "AutoCAD 2006", "C:\\Acad2006");
    AddProduct("AutoCAD", "R15.0", "ACAD-1:409", "AutoCAD 2000", "C:\\Acad2000");
    AddProduct("AutoCAD", "R10.0", "ACAD-9:409", "AutoCAD Ten", "C:\\Acad10");
    AddProduct("AutoCAD LT", "R11", "ACADLT-1:409", "AutoCAD LT 2006", "C:\\Lt2006");
  }
};

TEST_F(ProductsTest, PrefixesChooseReleaseKeys) {
  struct Case {
    const char* prefixes;
    std::vector<std::string> keys;  // product keys found, sorted
  };
  const Case cases[] = {
      {"", {}},
      {",,,", {}},
      {"R16", {"ACAD-4001:409"}},
      {"R15,,R16", {"ACAD-1:409", "ACAD-4001:409"}},
      {"r16", {}},   // release names are upper-cased, prefixes are not
      {" R16", {}},  // blanks are not trimmed
      {"R1", {"ACAD-1:409", "ACAD-4001:409", "ACAD-9:409", "ACADLT-1:409"}},
      {"R11", {"ACADLT-1:409"}},
  };
  for (const Case& c : cases) {
    int found = lib.StartEnumAutoDeskProducts(c.prefixes);
    std::vector<std::string> keys;
    for (const Listed& p : Drain(lib)) keys.push_back(std::get<2>(p));
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, c.keys) << c.prefixes;
    EXPECT_EQ(found, c.keys.empty() ? 0 : 1) << c.prefixes;
  }
}

TEST_F(ProductsTest, RecordsCarryFamilyReleaseNameAndLocation) {
  AddProduct("AutoCAD LT", "r9", "ACADLT-2:409", "Lower", "C:\\Lower");
  ASSERT_EQ(lib.StartEnumAutoDeskProducts("R11,R9"), 1);
  std::vector<Listed> all = Drain(lib);
  std::sort(all.begin(), all.end());
  std::vector<Listed> expected = {
      {"AutoCAD LT", "R11", "ACADLT-1:409", "AutoCAD LT 2006", "C:\\Lt2006"},
      {"AutoCAD LT", "R9", "ACADLT-2:409", "Lower", "C:\\Lower"},
  };
  EXPECT_EQ(all, expected);
}

TEST_F(ProductsTest, FamiliesComeInOrderAndReleasesOncePerMatchingPrefix) {
  ASSERT_EQ(lib.StartEnumAutoDeskProducts("R11,R1"), 1);
  std::vector<std::string> keys;
  for (const Listed& p : Drain(lib)) keys.push_back(std::get<0>(p) + "|" + std::get<2>(p));
  // AutoCAD first; the LT release R11 starts with both prefixes: listed twice.
  ASSERT_EQ(keys.size(), 5u);
  EXPECT_EQ(keys[3], "AutoCAD LT|ACADLT-1:409");
  EXPECT_EQ(keys[4], "AutoCAD LT|ACADLT-1:409");
}

TEST_F(ProductsTest, ProductWithoutNameOrLocationIsSkipped) {
  AddProduct("AutoCAD", "R16.2", "ACAD-NoName:409", nullptr, "C:\\X");
  AddProduct("AutoCAD", "R16.2", "ACAD-NoPlace:409", "No place", nullptr);
  // The AutoCAD family is found by AcadLocation, not by Location.
  WriteString(kHklm, "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-Wrong:409", "ProductName", "W");
  WriteString(kHklm, "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-Wrong:409", "Location", "C:\\W");
  ASSERT_EQ(lib.StartEnumAutoDeskProducts("R16"), 1);
  std::vector<Listed> all = Drain(lib);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(std::get<2>(all[0]), "ACAD-4001:409");
}

TEST_F(ProductsTest, HandingOutEndsAndStaysEnded) {
  ASSERT_EQ(lib.StartEnumAutoDeskProducts("R16"), 1);
  char key[64] = "unchanged";
  // Null buffers skip their item.
  EXPECT_EQ(lib.GetNextAutoDeskProduct(nullptr, nullptr, key, nullptr, nullptr), 1);
  EXPECT_STREQ(key, "ACAD-4001:409");
  std::strcpy(key, "unchanged");
  EXPECT_EQ(lib.GetNextAutoDeskProduct(nullptr, nullptr, key, nullptr, nullptr), 0);
  EXPECT_EQ(lib.GetNextAutoDeskProduct(nullptr, nullptr, key, nullptr, nullptr), 0);
  EXPECT_STREQ(key, "unchanged");
  // A new scan starts over; one that finds nothing empties the list.
  EXPECT_EQ(lib.StartEnumAutoDeskProducts("R16"), 1);
  EXPECT_EQ(lib.StartEnumAutoDeskProducts("R99"), 0);
  EXPECT_EQ(lib.GetNextAutoDeskProduct(nullptr, nullptr, key, nullptr, nullptr), 0);
}

TEST_F(RegLibTest, NoProductsAtAll) {
  EXPECT_EQ(lib.StartEnumAutoDeskProducts("R15,R16,R17"), 0);
  EXPECT_EQ(lib.GetNextAutoDeskProduct(nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

}  // namespace
}  // namespace regtest
