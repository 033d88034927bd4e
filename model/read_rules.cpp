#include "model/read_rules.h"

#include <cstring>

namespace model {

std::optional<std::string> ReadText(const platform::RegistryKey& key, const char* name,
                                    const ReadRules& rules, std::uint32_t bufferBytes) {
  std::uint32_t type = 0;
  std::string data;
  if (key.QueryRaw(name, bufferBytes, &type, &data) != platform::kErrSuccess)
    return std::nullopt;
  if (rules.checkTypes && type != platform::kRegSz &&
      !(rules.acceptExpandSz && type == platform::kRegExpandSz))
    return std::nullopt;
  return std::string(data.c_str());
}

std::optional<std::uint32_t> ReadNumber(const platform::RegistryKey& key, const char* name,
                                        const ReadRules& rules) {
  std::uint32_t type = 0;
  std::string data;
  if (key.QueryRaw(name, 4, &type, &data) != platform::kErrSuccess || data.size() != 4)
    return std::nullopt;
  if (rules.checkTypes && type != platform::kRegDword) return std::nullopt;
  std::uint32_t value = 0;
  std::memcpy(&value, data.data(), 4);
  return value;
}

}  // namespace model
