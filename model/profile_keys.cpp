#include "model/profile_keys.h"

#include <vector>

#include "platform/registry_key.h"
#include "model/registry_paths.h"

namespace model {
namespace {

constexpr std::uint32_t kReadWrite = platform::kKeyRead | platform::kKeyWrite;

// Profile keys hold values far larger than any fixed buffer (AutoCAD keeps
// whole palettes and toolbar layouts in them), so buffers grow until the
// value fits.
constexpr std::uint32_t kMaxNameChars = 32768;
constexpr std::uint32_t kMaxDataBytes = 256u * 1024u * 1024u;

// Value `index` of `key` with buffers that grow as needed.
long EnumValueFully(platform::RegHandle key, std::uint32_t index, std::string* name,
                    std::uint32_t* type, std::vector<std::uint8_t>* data) {
  std::uint32_t nameRoom = 256;
  std::uint32_t dataRoom = 1024;
  for (;;) {
    std::vector<char> nameBuffer(nameRoom + 1, '\0');
    data->assign(dataRoom, 0);
    std::uint32_t nameChars = nameRoom;
    std::uint32_t dataBytes = dataRoom;
    long rc = platform::RegEnumValueAt(key, index, nameBuffer.data(), &nameChars, type,
                                     data->data(), &dataBytes);
    if (rc == platform::kErrSuccess) {
      name->assign(nameBuffer.data(), nameChars);
      data->resize(dataBytes);
      return rc;
    }
    if (rc != platform::kErrMoreData) return rc;
    // Either the name or the data did not fit; the size reported for the
    // data is only a hint, so both grow.
    if (nameRoom >= kMaxNameChars && dataRoom >= kMaxDataBytes) return rc;
    if (nameRoom < kMaxNameChars) nameRoom *= 2;
    std::uint32_t wanted = dataBytes > dataRoom ? dataBytes : dataRoom * 2;
    dataRoom = wanted < kMaxDataBytes ? wanted : kMaxDataBytes;
  }
}

long EnumKeyFully(platform::RegHandle key, std::uint32_t index, std::string* name) {
  for (std::uint32_t room = 256;; room *= 2) {
    std::vector<char> buffer(room + 1, '\0');
    std::uint32_t chars = room;
    long rc = platform::RegEnumSubkey(key, index, buffer.data(), &chars);
    if (rc == platform::kErrSuccess) {
      name->assign(buffer.data(), chars);
      return rc;
    }
    if (rc != platform::kErrMoreData || room >= kMaxNameChars) return rc;
  }
}

}  // namespace

long CopyKeyTree(platform::RegHandle source, platform::RegHandle target) {
  std::string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  for (std::uint32_t i = 0;; ++i) {
    long rc = EnumValueFully(source, i, &name, &type, &data);
    if (rc == platform::kErrNoMoreItems) break;
    if (rc != platform::kErrSuccess) return rc;
    rc = platform::RegSet(target, name.c_str(), type, data.data(),
                          static_cast<std::uint32_t>(data.size()));
    if (rc != platform::kErrSuccess) return rc;
  }
  for (std::uint32_t i = 0;; ++i) {
    long rc = EnumKeyFully(source, i, &name);
    if (rc == platform::kErrNoMoreItems) break;
    if (rc != platform::kErrSuccess) return rc;
    platform::RegistryKey from;
    platform::RegistryKey to;
    rc = from.Open(source, name, kReadWrite);
    if (rc == platform::kErrSuccess) rc = to.Create(target, name, kReadWrite);
    if (rc == platform::kErrSuccess) rc = CopyKeyTree(from.handle(), to.handle());
    if (rc != platform::kErrSuccess) return rc;
  }
  return platform::kErrSuccess;
}

bool CopyProfile(const std::string& productKey, const std::string& source,
                 const std::string& target) {
  platform::RegistryKey from;
  if (from.Open(platform::kHkeyCurrentUser, ProfileKeyPath(productKey, source), kReadWrite) !=
      platform::kErrSuccess)
    return false;
  platform::RegistryKey to;
  bool created = false;
  if (to.Create(platform::kHkeyCurrentUser, ProfileKeyPath(productKey, target), kReadWrite,
                &created) != platform::kErrSuccess)
    return false;
  if (CopyKeyTree(from.handle(), to.handle()) == platform::kErrSuccess) return true;
  to.Close();
  if (created) {
    platform::RegistryKey profiles;
    if (profiles.Open(platform::kHkeyCurrentUser, ProfilesKeyPath(productKey), kReadWrite) ==
        platform::kErrSuccess)
      RecurseDeleteKey(profiles.handle(), target);
  }
  return false;
}

long RecurseDeleteKey(platform::RegHandle parent, const std::string& subkey) {
  platform::RegistryKey key;
  long rc = key.Open(parent, subkey, kReadWrite);
  if (rc != platform::kErrSuccess) return rc;
  std::string child;
  while (EnumKeyFully(key.handle(), 0, &child) == platform::kErrSuccess) {
    rc = RecurseDeleteKey(key.handle(), child);
    if (rc != platform::kErrSuccess) return rc;
  }
  key.Close();
  return platform::RegRemoveKey(parent, subkey.c_str());
}

bool DeleteProfileKey(const std::string& productKey, const std::string& profile) {
  platform::RegistryKey profiles;
  if (profiles.Open(platform::kHkeyCurrentUser, ProfilesKeyPath(productKey), kReadWrite) !=
      platform::kErrSuccess)
    return false;
  platform::RegistryKey key;
  if (key.Open(profiles.handle(), profile, kReadWrite) != platform::kErrSuccess) return false;
  std::string child;
  while (EnumKeyFully(key.handle(), 0, &child) == platform::kErrSuccess) {
    if (RecurseDeleteKey(key.handle(), child) != platform::kErrSuccess) return false;
  }
  key.Close();
  return platform::RegRemoveKey(profiles.handle(), profile.c_str()) == platform::kErrSuccess;
}

}  // namespace model
