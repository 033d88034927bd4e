// The list of installed AutoCAD and AutoCAD LT products that
// StartEnumAutoDeskProducts builds and GetNextAutoDeskProduct hands out.
// One list per loaded library, shared by all its callers.
#include <string>
#include <vector>

#include "platform/system.h"
#include "reglib/core.h"
#include "reglib/reg_key.h"
#include "reglib/text_util.h"

namespace reglib {
namespace {

using namespace platform;

struct ProductRecord {
  std::string family;
  std::string release;  // upper-cased
  std::string productKey;
  std::string productName;
  std::string location;
};

struct ProductList {
  std::vector<ProductRecord> records;
  std::size_t cursor = 0;
};

ProductList& Products() {
  static ProductList list;
  return list;
}

std::vector<std::string> SplitPrefixes(const std::string& text) {
  std::vector<std::string> prefixes;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    if (comma > start) prefixes.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return prefixes;
}

// Names longer than 63 characters end the enumeration of a key.
constexpr std::uint32_t kNameChars = 64;

void ScanFamily(const std::string& family, const char* locationValue, std::uint32_t view,
                const std::vector<std::string>& prefixes, std::vector<ProductRecord>* out) {
  std::uint32_t access = kKeyRead | view;
  RegKey familyKey;
  if (familyKey.Open(kHkeyLocalMachine, "Software\\Autodesk\\" + family, access) != kErrSuccess)
    return;
  std::string release;
  for (std::uint32_t r = 0; familyKey.EnumKey(r, &release, kNameChars) == kErrSuccess; ++r) {
    release = ToUpper(release);
    for (const std::string& prefix : prefixes) {
      if (release.compare(0, prefix.size(), prefix) != 0) continue;
      RegKey releaseKey;
      if (releaseKey.Open(familyKey.handle(), release, access) != kErrSuccess) continue;
      std::string product;
      for (std::uint32_t p = 0; releaseKey.EnumKey(p, &product, kNameChars) == kErrSuccess; ++p) {
        RegKey productKey;
        if (productKey.Open(releaseKey.handle(), product, access) != kErrSuccess) continue;
        ProductRecord record{family, release, product, {}, {}};
        if (productKey.QueryString(locationValue, &record.location, 520) != kErrSuccess) continue;
        if (productKey.QueryString("ProductName", &record.productName, 260) != kErrSuccess)
          continue;
        out->push_back(std::move(record));
      }
    }
  }
}

}  // namespace

int StartEnumAutoDeskProducts(const char* releasePrefixes) {
  ProductList& list = Products();
  list.records.clear();
  list.cursor = 0;
  std::vector<std::string> prefixes = SplitPrefixes(Text(releasePrefixes));
  if (prefixes.empty()) return 0;
  ScanFamily("AutoCAD", "AcadLocation", 0, prefixes, &list.records);
  // The second view exists only for a 32-bit process on 64-bit Windows; a
  // 64-bit process already sees the 64-bit products in its own view.
  if (IsWow64()) ScanFamily("AutoCAD", "AcadLocation", kKeyWow64_64Key, prefixes, &list.records);
  ScanFamily("AutoCAD LT", "Location", 0, prefixes, &list.records);
  return list.records.empty() ? 0 : 1;
}

int GetNextAutoDeskProduct(char* family, char* release, char* productKey, char* productName,
                           char* location) {
  ProductList& list = Products();
  if (list.cursor >= list.records.size()) return 0;
  const ProductRecord& record = list.records[list.cursor++];
  CopyOut(family, record.family);
  CopyOut(release, record.release);
  CopyOut(productKey, record.productKey);
  CopyOut(productName, record.productName);
  CopyOut(location, record.location);
  return 1;
}

std::vector<std::string> AllInstallationIds() {
  std::vector<std::string> ids;
  StartEnumAutoDeskProducts("R15,R16,R17,R8,R9,R10,R11,R12");
  char family[64], release[64], product[64];
  while (GetNextAutoDeskProduct(family, release, product, nullptr, nullptr))
    ids.push_back(std::string(family) + "\\" + release + "\\" + product);
  return ids;
}

}  // namespace reglib
