// An owned registry key: closed when it goes out of scope. Opening or
// creating into a key that is already open replaces it only when the new
// open succeeds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace platform {

class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(RegHandle handle) : handle_(handle) {}
  ~RegistryKey() { Close(); }
  RegistryKey(RegistryKey&& other) noexcept : handle_(other.Release()) {}
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  long Open(RegHandle parent, const std::string& path, std::uint32_t access);
  long Create(RegHandle parent, const std::string& path, std::uint32_t access,
              bool* created = nullptr);
  void Close();
  RegHandle Release();

  RegHandle handle() const { return handle_; }
  bool is_open() const { return handle_ != 0; }

  // Queries a value into a buffer of exactly `bufferBytes`, as a caller with
  // a fixed buffer would; the result is RegQuery's.
  long QueryRaw(const char* name, std::uint32_t bufferBytes, std::uint32_t* type,
                std::string* data) const;

  // A text that fits a buffer of `bufferBytes` (terminator included), cut at
  // its first zero; nothing when it is missing or too long. The stored type
  // is not looked at.
  std::optional<std::string> ReadString(const char* name, std::uint32_t bufferBytes = 260) const;

  // A 4-byte number; nothing when missing or not 4 bytes long. The stored
  // type is not looked at.
  std::optional<std::uint32_t> ReadDword(const char* name) const;

  // REG_SZ with the terminating zero counted in its size; REG_DWORD.
  long WriteString(const char* name, const std::string& value) const;
  long WriteDword(const char* name, std::uint32_t value) const;

  // The name of subkey `index` in a buffer of `bufferChars`; the result is
  // RegEnumKey's (259 past the end, 234 for a name too long).
  long EnumKeyName(std::uint32_t index, std::string* name, std::uint32_t bufferChars = 260) const;

 private:
  RegHandle handle_ = 0;
};

}  // namespace platform
