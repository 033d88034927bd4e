// Resources on Windows: FindResourceEx by language, LoadStringW.
#include <windows.h>

#include "platform/resources.h"

namespace platform {

std::string_view FindResourceData(ModuleHandle module, std::uint16_t type, std::uint16_t id,
                                  std::uint16_t language) {
  HMODULE hmodule = static_cast<HMODULE>(module);
  HRSRC found = FindResourceExW(hmodule, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(hmodule, found);
  if (!loaded) return {};
  const void* data = LockResource(loaded);
  if (!data) return {};
  return std::string_view(static_cast<const char*>(data), SizeofResource(hmodule, found));
}

std::u16string LoadStringDefault(ModuleHandle module, std::uint16_t id) {
  // With a zero length LoadStringW hands out a pointer to the resource itself.
  const wchar_t* text = nullptr;
  int length = LoadStringW(static_cast<HMODULE>(module), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return std::u16string();
  return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}

}  // namespace platform
