// The registry key holder every export works with: one open key, closed on
// every way out, and the few operations the library needs on it. Results are
// Windows error codes (0 for success).
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace reglib {

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() { Close(); }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  // The old key is replaced only when the new one opens; 6 for no parent.
  long Open(platform::RegHandle parent, const std::string& path, std::uint32_t access);
  long Create(platform::RegHandle parent, const std::string& path, std::uint32_t access);
  void Close();

  platform::RegHandle handle() const { return handle_; }
  bool is_open() const { return handle_ != 0; }

  // A text value (REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ, as stored) into a
  // caller's buffer of `bytes`; 13 for another type. A null or empty name is
  // the key's default value. The buffer holds a terminated text on success:
  // a stored text that fills it without its zero counts as too long.
  long QueryString(const char* name, char* buffer, std::uint32_t bytes) const;
  // The same into a string, as if read into a buffer of `bytes`.
  long QueryString(const char* name, std::string* text, std::uint32_t bytes = 260) const;

  // REG_SZ with its zero counted; 5 for null data or no key.
  long SetString(const char* name, const char* data) const;
  long SetDword(const char* name, std::uint32_t value) const;

  // The name of subkey `index`, read into a buffer of `chars` characters.
  long EnumKey(std::uint32_t index, std::string* name, std::uint32_t chars = 256) const;

  // Deletes the subkey `name` with everything below it, deepest first,
  // opening each level with `access`. An empty name is refused (87): it
  // would name this key itself.
  long RecurseDeleteKey(const std::string& name, std::uint32_t access) const;

  // Adds every value and subkey of `source`, all levels, to this key;
  // nothing here is removed. Names and data of any length are copied.
  long CopyKeyTree(const RegKey& source) const;

 private:
  platform::RegHandle handle_ = 0;
};

}  // namespace reglib
