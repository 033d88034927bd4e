// In-memory registry for native builds. It behaves as the Windows registry
// does where the system can see it: names compare without regard to case and
// keep their spelling, subkeys enumerate sorted by name without regard to
// case, values in the order they were created, a buffer that is too small
// gives 234 (with the size needed where Windows reports it), a key with
// subkeys cannot be deleted (5), and a handle checks the access it was
// opened with. It can also play a 32-bit process on 64-bit Windows, which
// sees HKLM\Software through two views (the 32-bit one is Wow6432Node).
//
// It is not a database: one process, no persistence, no locking.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/posix/simulation.h"
#include "platform/registry.h"

namespace platform {
namespace {

constexpr long kErrBadPathname = 161;
constexpr long kErrKeyDeleted = 1018;
constexpr std::size_t kMaxKeyNameChars = 255;
constexpr std::size_t kMaxValueNameChars = 16383;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Names match and sort by their lower-case form, as under Wine (where "_"
// sorts before the letters).
struct CaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      unsigned char ua = static_cast<unsigned char>(Lower(a[i]));
      unsigned char ub = static_cast<unsigned char>(Lower(b[i]));
      if (ua != ub) return ua < ub;
    }
    return a.size() < b.size();
  }
};

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && !CaseLess()(a, b) && !CaseLess()(b, a);
}

struct Value {
  std::string name;
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> data;
};

struct Node {
  std::string name;
  Node* parent = nullptr;
  bool deleted = false;
  std::uint32_t deniedAccess = 0;
  std::map<std::string, std::shared_ptr<Node>, CaseLess> subkeys;
  std::vector<Value> values;

  Value* FindValue(const std::string& valueName) {
    for (Value& v : values)
      if (SameName(v.name, valueName)) return &v;
    return nullptr;
  }
};

struct OpenKey {
  std::shared_ptr<Node> node;
  std::uint32_t access = 0;
};

struct Registry {
  std::shared_ptr<Node> currentUser = std::make_shared<Node>();
  std::shared_ptr<Node> localMachine = std::make_shared<Node>();
  std::unordered_map<RegHandle, OpenKey> handles;
  RegHandle nextHandle = 0x1000;
  bool hasDeleteKeyEx = true;
};

Registry& State() {
  static Registry registry;
  return registry;
}

bool IsRoot(RegHandle h) { return h == kHkeyCurrentUser || h == kHkeyLocalMachine; }

// The node and granted access behind a handle; null for an unknown handle.
bool Resolve(RegHandle h, OpenKey* out) {
  Registry& r = State();
  if (h == kHkeyCurrentUser) {
    *out = {r.currentUser, kKeyAllAccess};
    return true;
  }
  if (h == kHkeyLocalMachine) {
    *out = {r.localMachine, kKeyAllAccess};
    return true;
  }
  auto it = r.handles.find(h);
  if (it == r.handles.end()) return false;
  *out = it->second;
  return true;
}

std::vector<std::string> SplitPath(const char* path) {
  std::vector<std::string> parts;
  if (!path) return parts;
  std::string current;
  for (const char* p = path; *p; ++p) {
    if (*p == '\\') {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current += *p;
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

// Which part of HKLM\Software a process sees without asking for a view:
// a 32-bit process on 64-bit Windows sees Wow6432Node, unless it asks for
// the 64-bit view; a 64-bit process sees it only when it asks for 32 bits.
bool UsesWow6432Node(std::uint32_t access) {
  switch (posix::SimulatedProcess()) {
    case posix::ProcessKind::k32BitOnWow64:
      return (access & kKeyWow64_64Key) == 0;
    case posix::ProcessKind::k64BitProcess:
      return (access & kKeyWow64_32Key) != 0;
    case posix::ProcessKind::k32BitOn32BitWindows:
      return false;
  }
  return false;
}

std::vector<std::string> ApplyView(RegHandle parent, std::vector<std::string> parts,
                                   std::uint32_t access) {
  if (parent != kHkeyLocalMachine || parts.empty() || !SameName(parts[0], "Software"))
    return parts;
  if (!UsesWow6432Node(access)) return parts;
  if (parts.size() >= 2 && SameName(parts[1], "Wow6432Node")) return parts;
  parts.insert(parts.begin() + 1, "Wow6432Node");
  return parts;
}

RegHandle NewHandle(const std::shared_ptr<Node>& node, std::uint32_t access) {
  Registry& r = State();
  RegHandle h = r.nextHandle;
  r.nextHandle += 4;
  r.handles[h] = {node, access & ~(kKeyWow64_64Key | kKeyWow64_32Key)};
  return h;
}

bool Grants(const OpenKey& key, std::uint32_t needed) { return (key.access & needed) == needed; }

long CheckUsable(RegHandle h, OpenKey* key) {
  if (!Resolve(h, key)) return kErrInvalidHandle;
  if (key->node->deleted) return kErrKeyDeleted;
  return kErrSuccess;
}

long WalkOrCreate(RegHandle parent, const char* subkey, std::uint32_t access, bool create,
                  RegHandle* out, bool* created) {
  if (out) *out = 0;
  if (created) *created = false;
  OpenKey base;
  long rc = CheckUsable(parent, &base);
  if (rc != kErrSuccess) return rc;
  if (subkey && subkey[0] == '\\') return kErrBadPathname;
  std::vector<std::string> parts = ApplyView(parent, SplitPath(subkey), access);
  std::shared_ptr<Node> node = base.node;
  for (const std::string& part : parts) {
    if (part.size() > kMaxKeyNameChars) return kErrInvalidParameter;
    auto it = node->subkeys.find(part);
    if (it == node->subkeys.end()) {
      if (!create) return kErrFileNotFound;
      auto child = std::make_shared<Node>();
      child->name = part;
      child->parent = node.get();
      it = node->subkeys.emplace(part, child).first;
      if (created) *created = true;
    }
    node = it->second;
  }
  std::uint32_t rights = access & ~(kKeyWow64_64Key | kKeyWow64_32Key);
  if (node->deniedAccess & rights) return kErrAccessDenied;
  if (out) *out = NewHandle(node, access);
  return kErrSuccess;
}

}  // namespace

long RegOpen(RegHandle parent, const char* subkey, std::uint32_t access, RegHandle* out) {
  return WalkOrCreate(parent, subkey, access, false, out, nullptr);
}

long RegCreate(RegHandle parent, const char* subkey, std::uint32_t access, RegHandle* out,
               bool* created) {
  return WalkOrCreate(parent, subkey, access, true, out, created);
}

long RegClose(RegHandle key) {
  if (IsRoot(key)) return kErrSuccess;
  Registry& r = State();
  auto it = r.handles.find(key);
  if (it == r.handles.end()) return kErrInvalidHandle;
  r.handles.erase(it);
  return kErrSuccess;
}

long RegEnumSubkey(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameChars) {
  OpenKey k;
  long rc = CheckUsable(key, &k);
  if (rc != kErrSuccess) return rc;
  if (!Grants(k, kKeyEnumerateSubKeys)) return kErrAccessDenied;
  if (!nameChars || !name) return kErrInvalidParameter;
  if (index >= k.node->subkeys.size()) return kErrNoMoreItems;
  auto it = k.node->subkeys.begin();
  std::advance(it, index);
  const std::string& found = it->second->name;
  if (found.size() + 1 > *nameChars) return kErrMoreData;
  std::memcpy(name, found.c_str(), found.size() + 1);
  *nameChars = static_cast<std::uint32_t>(found.size());
  return kErrSuccess;
}

long RegEnumValueAt(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameChars,
                  std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataBytes) {
  OpenKey k;
  long rc = CheckUsable(key, &k);
  if (rc != kErrSuccess) return rc;
  if (!Grants(k, kKeyQueryValue)) return kErrAccessDenied;
  if (!nameChars || !name) return kErrInvalidParameter;
  if (index >= k.node->values.size()) return kErrNoMoreItems;
  const Value& v = k.node->values[index];
  if (v.name.size() + 1 > *nameChars) return kErrMoreData;
  std::uint32_t needed = static_cast<std::uint32_t>(v.data.size());
  if (data && dataBytes && *dataBytes < needed) {
    *dataBytes = needed;
    return kErrMoreData;
  }
  std::memcpy(name, v.name.c_str(), v.name.size() + 1);
  *nameChars = static_cast<std::uint32_t>(v.name.size());
  if (type) *type = v.type;
  if (data && needed) std::memcpy(data, v.data.data(), needed);
  if (dataBytes) *dataBytes = needed;
  return kErrSuccess;
}

long RegQuery(RegHandle key, const char* name, std::uint32_t* type, std::uint8_t* data,
              std::uint32_t* dataBytes) {
  OpenKey k;
  long rc = CheckUsable(key, &k);
  if (rc != kErrSuccess) return rc;
  if (!Grants(k, kKeyQueryValue)) return kErrAccessDenied;
  if (data && !dataBytes) return kErrInvalidParameter;
  const Value* v = k.node->FindValue(name ? name : "");
  if (!v) return kErrFileNotFound;
  std::uint32_t needed = static_cast<std::uint32_t>(v->data.size());
  if (type) *type = v->type;
  if (data && *dataBytes < needed) {
    *dataBytes = needed;
    return kErrMoreData;
  }
  if (data && needed) std::memcpy(data, v->data.data(), needed);
  if (dataBytes) *dataBytes = needed;
  return kErrSuccess;
}

long RegQueryDefault(RegHandle key, const char* subkey, char* data, long* bytes) {
  RegHandle target = key;
  bool opened = false;
  if (subkey && *subkey) {
    long rc = RegOpen(key, subkey, kKeyQueryValue, &target);
    if (rc != kErrSuccess) return rc;
    opened = true;
  }
  std::uint32_t type = 0;
  std::uint32_t size = bytes ? static_cast<std::uint32_t>(*bytes) : 0;
  long rc = RegQuery(target, "", &type, reinterpret_cast<std::uint8_t*>(data),
                     bytes ? &size : nullptr);
  if (rc == kErrFileNotFound) {
    // An unset default value reads as an empty text.
    rc = kErrSuccess;
    if (data && bytes && *bytes > 0) data[0] = '\0';
    size = 1;
  } else if (rc == kErrSuccess && type != kRegSz) {
    rc = kErrInvalidData;
  }
  if (bytes) *bytes = static_cast<long>(size);
  if (opened) RegClose(target);
  return rc;
}

long RegSet(RegHandle key, const char* name, std::uint32_t type, const std::uint8_t* data,
            std::uint32_t bytes) {
  OpenKey k;
  long rc = CheckUsable(key, &k);
  if (rc != kErrSuccess) return rc;
  if (!Grants(k, kKeySetValue)) return kErrAccessDenied;
  std::string valueName = name ? name : "";
  if (valueName.size() > kMaxValueNameChars) return kErrInvalidParameter;
  if (!data && bytes) return kErrInvalidParameter;
  std::vector<std::uint8_t> copy(data, data + bytes);
  // Windows stores text values with their terminator even when the caller
  // counted it out.
  if ((type == kRegSz || type == kRegExpandSz) && (copy.empty() || copy.back() != 0))
    copy.push_back(0);
  if (type == kRegMultiSz) {
    while (copy.size() < 2 || copy[copy.size() - 1] != 0 || copy[copy.size() - 2] != 0)
      copy.push_back(0);
  }
  if (Value* existing = k.node->FindValue(valueName)) {
    existing->type = type;
    existing->data = std::move(copy);
  } else {
    k.node->values.push_back({valueName, type, std::move(copy)});
  }
  return kErrSuccess;
}

long RegRemoveValue(RegHandle key, const char* name) {
  OpenKey k;
  long rc = CheckUsable(key, &k);
  if (rc != kErrSuccess) return rc;
  if (!Grants(k, kKeySetValue)) return kErrAccessDenied;
  std::string valueName = name ? name : "";
  auto& values = k.node->values;
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const Value& v) { return SameName(v.name, valueName); });
  if (it == values.end()) return kErrFileNotFound;
  values.erase(it);
  return kErrSuccess;
}

namespace {

long DeleteOneKey(RegHandle parent, const char* subkey, std::uint32_t view) {
  if (!subkey || !*subkey) return kErrInvalidParameter;
  RegHandle target = 0;
  long rc = RegOpen(parent, subkey, view | 0x00010000u /* DELETE */, &target);
  if (rc != kErrSuccess) return rc;
  OpenKey k;
  Resolve(target, &k);
  RegClose(target);
  if (!k.node->subkeys.empty()) return kErrAccessDenied;
  Node* up = k.node->parent;
  if (!up) return kErrAccessDenied;
  k.node->deleted = true;
  up->subkeys.erase(k.node->name);
  return kErrSuccess;
}

}  // namespace

long RegRemoveKey(RegHandle parent, const char* subkey) { return DeleteOneKey(parent, subkey, 0); }

bool RegHasDeleteKeyEx() { return State().hasDeleteKeyEx; }

long RegRemoveKeyEx(RegHandle parent, const char* subkey, std::uint32_t view) {
  return DeleteOneKey(parent, subkey,
                      State().hasDeleteKeyEx ? (view & (kKeyWow64_64Key | kKeyWow64_32Key)) : 0);
}

namespace posix {

void ResetRegistry() {
  Registry& r = State();
  r.currentUser = std::make_shared<Node>();
  r.localMachine = std::make_shared<Node>();
  r.handles.clear();
  r.hasDeleteKeyEx = true;
}

void DenyAccess(RegHandle root, const std::string& path, std::uint32_t mask) {
  RegHandle h = 0;
  if (RegCreate(root, path.c_str(), kKeyAllAccess, &h) != kErrSuccess) return;
  OpenKey k;
  Resolve(h, &k);
  RegClose(h);
  k.node->deniedAccess |= mask;
}

void SetHasDeleteKeyEx(bool present) { State().hasDeleteKeyEx = present; }

std::size_t OpenHandleCount() { return State().handles.size(); }

}  // namespace posix
}  // namespace platform
