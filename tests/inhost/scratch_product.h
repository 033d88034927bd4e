// A product key of its own for one unit test, in whatever registry the
// platform has (in memory natively, Wine's under Wine), removed before and
// after the test.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace fakes {

class ScratchProduct {
 public:
  // `release` as in the product key path, e.g. "R17.0".
  explicit ScratchProduct(const std::string& release = "R17.0");
  ~ScratchProduct();
  ScratchProduct(const ScratchProduct&) = delete;
  ScratchProduct& operator=(const ScratchProduct&) = delete;

  const std::string& key() const { return key_; }

  // `path` below the product key ("" for the key itself).
  void Write(platform::RegHandle root, const std::string& path, const char* name,
             std::uint32_t type, const std::string& bytes) const;
  void WriteString(platform::RegHandle root, const std::string& path, const char* name,
                   const std::string& value, std::uint32_t type = platform::kRegSz) const;
  void WriteDword(platform::RegHandle root, const std::string& path, const char* name,
                  std::uint32_t value) const;
  bool Has(platform::RegHandle root, const std::string& path, const char* name) const;
  std::optional<std::uint32_t> Dword(platform::RegHandle root, const std::string& path,
                                     const char* name) const;

 private:
  std::string key_;
};

}  // namespace fakes
