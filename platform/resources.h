// Resources of a module keyed by type, identifier and language
// (FindResourceEx/LoadResource; LoadString for the platform's own choice of
// language). The posix backend keeps an in-memory table that tests fill.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/modules.h"

namespace platform {

inline constexpr std::uint16_t kResourceMenu = 4;
inline constexpr std::uint16_t kResourceDialog = 5;
inline constexpr std::uint16_t kResourceString = 6;

// The bytes of the resource, or an empty view when there is none in exactly
// that language.
std::string_view FindResourceData(ModuleHandle module, std::uint16_t type, std::uint16_t id,
                                  std::uint16_t language);

// LoadStringW: the string in the language the platform chooses itself, or
// an empty text.
std::u16string LoadStringDefault(ModuleHandle module, std::uint16_t id);

}  // namespace platform
