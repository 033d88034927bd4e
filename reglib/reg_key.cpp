#include "reglib/reg_key.h"

#include <cstring>
#include <vector>

namespace reglib {

using namespace platform;

namespace {

// Longest value name Windows allows (16383) and its terminator.
constexpr std::uint32_t kLongestName = 16384;
// A bound on one value's data, only so that a registry that keeps asking
// for more cannot make the copy grow without end.
constexpr std::size_t kLargestData = std::size_t{1} << 26;

bool IsTextType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// A successful read must leave a terminated text in the buffer.
long Terminate(char* buffer, std::uint32_t bytes, std::uint32_t got) {
  if (got < bytes) {
    buffer[got] = '\0';
    return kErrSuccess;
  }
  if (bytes > 0 && std::memchr(buffer, '\0', bytes) != nullptr) return kErrSuccess;
  return kErrMoreData;
}

}  // namespace

long RegKey::Open(RegHandle parent, const std::string& path, std::uint32_t access) {
  if (parent == 0) return kErrInvalidHandle;
  RegHandle opened = 0;
  long rc = RegOpen(parent, path.c_str(), access, &opened);
  if (rc == kErrSuccess) {
    Close();
    handle_ = opened;
  }
  return rc;
}

long RegKey::Create(RegHandle parent, const std::string& path, std::uint32_t access) {
  if (parent == 0) return kErrInvalidHandle;
  RegHandle opened = 0;
  long rc = RegCreate(parent, path.c_str(), access, &opened);
  if (rc == kErrSuccess) {
    Close();
    handle_ = opened;
  }
  return rc;
}

void RegKey::Close() {
  if (handle_ != 0) RegClose(handle_);
  handle_ = 0;
}

long RegKey::QueryString(const char* name, char* buffer, std::uint32_t bytes) const {
  if (buffer == nullptr) return kErrAccessDenied;
  if (handle_ == 0) return kErrInvalidHandle;
  if (bytes == 0) return kErrMoreData;  // not even room for the terminator
  if (name == nullptr || *name == '\0') {
    long size = static_cast<long>(bytes);
    long rc = RegQueryDefault(handle_, nullptr, buffer, &size);
    if (rc != kErrSuccess) return rc;
    return Terminate(buffer, bytes, static_cast<std::uint32_t>(size));
  }
  std::uint32_t type = 0;
  std::uint32_t size = bytes;
  long rc = RegQuery(handle_, name, &type, reinterpret_cast<std::uint8_t*>(buffer), &size);
  if (rc != kErrSuccess) return rc;
  if (!IsTextType(type)) return kErrInvalidData;
  return Terminate(buffer, bytes, size);
}

long RegKey::QueryString(const char* name, std::string* text, std::uint32_t bytes) const {
  std::vector<char> buffer(bytes + 1, '\0');
  long rc = QueryString(name, buffer.data(), bytes);
  if (rc == kErrSuccess)
    text->assign(buffer.data());
  else
    text->clear();
  return rc;
}

long RegKey::SetString(const char* name, const char* data) const {
  if (data == nullptr || handle_ == 0) return kErrAccessDenied;
  return RegSet(handle_, name, kRegSz, reinterpret_cast<const std::uint8_t*>(data),
                static_cast<std::uint32_t>(std::strlen(data) + 1));
}

long RegKey::SetDword(const char* name, std::uint32_t value) const {
  if (handle_ == 0) return kErrAccessDenied;
  return RegSet(handle_, name, kRegDword, reinterpret_cast<const std::uint8_t*>(&value), 4);
}

long RegKey::EnumKey(std::uint32_t index, std::string* name, std::uint32_t chars) const {
  std::vector<char> buffer(chars + 1, '\0');
  std::uint32_t length = chars;
  long rc = RegEnumSubkey(handle_, index, buffer.data(), &length);
  if (rc == kErrSuccess)
    name->assign(buffer.data(), length);
  else
    name->clear();
  return rc;
}

long RegKey::RecurseDeleteKey(const std::string& name, std::uint32_t access) const {
  if (name.empty()) return kErrInvalidParameter;
  RegKey child;
  long rc = child.Open(handle_, name, access);
  if (rc != kErrSuccess) return rc;
  std::string sub;
  while (child.EnumKey(0, &sub, 256) == kErrSuccess) {
    rc = child.RecurseDeleteKey(sub, access);
    if (rc != kErrSuccess) return rc;
  }
  child.Close();
  if (RegHasDeleteKeyEx())
    return RegRemoveKeyEx(handle_, name.c_str(), access & (kKeyWow64_64Key | kKeyWow64_32Key));
  return RegRemoveKey(handle_, name.c_str());
}

long RegKey::CopyKeyTree(const RegKey& source) const {
  std::vector<char> name(kLongestName + 1, '\0');
  std::vector<std::uint8_t> data(1024);
  for (std::uint32_t index = 0;;) {
    std::uint32_t nameChars = kLongestName;
    std::uint32_t type = 0;
    std::uint32_t bytes = static_cast<std::uint32_t>(data.size());
    long rc = RegEnumValueAt(source.handle_, index, name.data(), &nameChars, &type, data.data(),
                           &bytes);
    if (rc == kErrMoreData) {
      // The data did not fit: grow to what was asked for and read it again.
      std::size_t grown = bytes > data.size() ? bytes : data.size() * 2;
      if (grown > kLargestData) return rc;
      data.resize(grown);
      continue;
    }
    if (rc != kErrSuccess) break;
    rc = RegSet(handle_, name.data(), type, data.data(), bytes);
    if (rc != kErrSuccess) return rc;
    ++index;
  }
  long result = kErrSuccess;
  for (std::uint32_t index = 0;; ++index) {
    std::string sub;
    if (source.EnumKey(index, &sub, kLongestName) != kErrSuccess) break;
    RegKey from;
    RegKey to;
    result = from.Open(source.handle_, sub, kKeyAllAccess);
    if (result != kErrSuccess) return result;
    result = to.Create(handle_, sub, kKeyAllAccess);
    if (result != kErrSuccess) return result;
    result = to.CopyKeyTree(from);
    if (result != kErrSuccess) return result;
  }
  return result;
}

}  // namespace reglib
