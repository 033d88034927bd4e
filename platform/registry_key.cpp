#include "platform/registry_key.h"

#include <cstring>
#include <vector>

namespace platform {

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.Release();
  }
  return *this;
}

long RegistryKey::Open(RegHandle parent, const std::string& path, std::uint32_t access) {
  if (parent == 0) return kErrInvalidHandle;
  RegHandle opened = 0;
  long rc = RegOpen(parent, path.c_str(), access, &opened);
  if (rc == kErrSuccess) {
    Close();
    handle_ = opened;
  }
  return rc;
}

long RegistryKey::Create(RegHandle parent, const std::string& path, std::uint32_t access,
                         bool* created) {
  if (parent == 0) return kErrInvalidHandle;
  RegHandle opened = 0;
  long rc = RegCreate(parent, path.c_str(), access, &opened, created);
  if (rc == kErrSuccess) {
    Close();
    handle_ = opened;
  }
  return rc;
}

void RegistryKey::Close() {
  if (handle_ != 0) RegClose(handle_);
  handle_ = 0;
}

RegHandle RegistryKey::Release() {
  RegHandle h = handle_;
  handle_ = 0;
  return h;
}

long RegistryKey::QueryRaw(const char* name, std::uint32_t bufferBytes, std::uint32_t* type,
                           std::string* data) const {
  std::vector<std::uint8_t> buffer(bufferBytes + 1, 0);
  std::uint32_t size = bufferBytes;
  std::uint32_t t = 0;
  long rc = RegQuery(handle_, name, &t, buffer.data(), &size);
  if (type) *type = t;
  if (data) {
    if (rc == kErrSuccess)
      data->assign(reinterpret_cast<const char*>(buffer.data()), size);
    else
      data->clear();
  }
  return rc;
}

std::optional<std::string> RegistryKey::ReadString(const char* name,
                                                   std::uint32_t bufferBytes) const {
  std::string data;
  if (QueryRaw(name, bufferBytes, nullptr, &data) != kErrSuccess) return std::nullopt;
  return std::string(data.c_str());
}

std::optional<std::uint32_t> RegistryKey::ReadDword(const char* name) const {
  std::string data;
  if (QueryRaw(name, 4, nullptr, &data) != kErrSuccess || data.size() != 4) return std::nullopt;
  std::uint32_t value = 0;
  std::memcpy(&value, data.data(), 4);
  return value;
}

long RegistryKey::WriteString(const char* name, const std::string& value) const {
  return RegSet(handle_, name, kRegSz, reinterpret_cast<const std::uint8_t*>(value.c_str()),
                static_cast<std::uint32_t>(value.size() + 1));
}

long RegistryKey::WriteDword(const char* name, std::uint32_t value) const {
  return RegSet(handle_, name, kRegDword, reinterpret_cast<const std::uint8_t*>(&value), 4);
}

long RegistryKey::EnumKeyName(std::uint32_t index, std::string* name,
                              std::uint32_t bufferChars) const {
  std::vector<char> buffer(bufferChars + 1, '\0');
  std::uint32_t chars = bufferChars;
  long rc = RegEnumSubkey(handle_, index, buffer.data(), &chars);
  if (rc == kErrSuccess)
    name->assign(buffer.data(), chars);
  else
    name->clear();
  return rc;
}

}  // namespace platform
