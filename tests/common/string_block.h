// Builds string-table blocks as the resource compiler lays them out: sixteen
// entries, each a 16-bit little-endian length and that many UTF-16 units.
#pragma once

#include <map>
#include <string>

namespace common_test {

inline std::string StringBlock(const std::map<unsigned, std::u16string>& entries) {
  std::string block;
  auto put = [&block](char16_t unit) {
    block += static_cast<char>(unit & 0xFF);
    block += static_cast<char>(unit >> 8);
  };
  for (unsigned index = 0; index < 16; ++index) {
    auto found = entries.find(index);
    std::u16string text = found == entries.end() ? std::u16string() : found->second;
    put(static_cast<char16_t>(text.size()));
    for (char16_t unit : text) put(unit);
  }
  return block;
}

}  // namespace common_test
