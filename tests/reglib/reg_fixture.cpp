#include "tests/reglib/reg_fixture.h"

#include <algorithm>
#include <atomic>

#include "platform/file_writable.h"
#include "platform/files.h"
#include "platform/registry_key.h"

namespace regtest {

using namespace platform;

bool KeyExists(RegHandle root, const std::string& path, std::uint32_t view) {
  RegistryKey key;
  return key.Open(root, path, kKeyRead | view) == kErrSuccess;
}

std::optional<std::string> ReadRaw(RegHandle root, const std::string& path, const char* name,
                                   std::uint32_t* type, std::uint32_t view) {
  RegistryKey key;
  if (key.Open(root, path, kKeyRead | view) != kErrSuccess) return std::nullopt;
  std::uint32_t size = 0;
  if (RegQuery(key.handle(), name, nullptr, nullptr, &size) != kErrSuccess) return std::nullopt;
  std::string data;
  if (key.QueryRaw(name, size, type, &data) != kErrSuccess) return std::nullopt;
  return data;
}

std::optional<std::string> ReadString(RegHandle root, const std::string& path, const char* name,
                                      std::uint32_t view) {
  std::uint32_t type = 0;
  std::optional<std::string> raw = ReadRaw(root, path, name, &type, view);
  if (!raw || (type != kRegSz && type != kRegExpandSz)) return std::nullopt;
  return std::string(raw->c_str());
}

std::optional<std::uint32_t> ReadDword(RegHandle root, const std::string& path, const char* name,
                                       std::uint32_t view) {
  std::uint32_t type = 0;
  std::optional<std::string> raw = ReadRaw(root, path, name, &type, view);
  if (!raw || type != kRegDword || raw->size() != 4) return std::nullopt;
  std::uint32_t value = 0;
  std::copy(raw->begin(), raw->end(), reinterpret_cast<char*>(&value));
  return value;
}

void WriteRaw(RegHandle root, const std::string& path, const char* name, std::uint32_t type,
              const std::string& bytes, std::uint32_t view) {
  RegistryKey key;
  ASSERT_EQ(key.Create(root, path, kKeyAllAccess | view), kErrSuccess) << path;
  ASSERT_EQ(RegSet(key.handle(), name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                   static_cast<std::uint32_t>(bytes.size())),
            kErrSuccess);
}

void WriteString(RegHandle root, const std::string& path, const char* name,
                 const std::string& value, std::uint32_t view) {
  WriteRaw(root, path, name, kRegSz, std::string(value.c_str(), value.size() + 1), view);
}

void WriteDword(RegHandle root, const std::string& path, const char* name, std::uint32_t value,
                std::uint32_t view) {
  WriteRaw(root, path, name, kRegDword, std::string(reinterpret_cast<const char*>(&value), 4),
           view);
}

std::vector<std::string> SubkeyNames(RegHandle root, const std::string& path,
                                     std::uint32_t view) {
  std::vector<std::string> names;
  RegistryKey key;
  if (key.Open(root, path, kKeyRead | view) != kErrSuccess) return names;
  std::string name;
  for (std::uint32_t i = 0; key.EnumKeyName(i, &name, 512) == kErrSuccess; ++i)
    names.push_back(name);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ValueNames(RegHandle root, const std::string& path,
                                    std::uint32_t view) {
  std::vector<std::string> names;
  RegistryKey key;
  if (key.Open(root, path, kKeyRead | view) != kErrSuccess) return names;
  std::vector<char> buffer(16384);
  for (std::uint32_t i = 0;; ++i) {
    std::uint32_t chars = static_cast<std::uint32_t>(buffer.size());
    if (RegEnumValueAt(key.handle(), i, buffer.data(), &chars, nullptr, nullptr, nullptr) !=
        kErrSuccess)
      break;
    names.emplace_back(buffer.data(), chars);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void DeleteTree(RegHandle root, const std::string& path, std::uint32_t view) {
  RegistryKey key;
  if (key.Open(root, path, kKeyAllAccess | view) != kErrSuccess) return;
  std::string child;
  while (key.EnumKeyName(0, &child, 512) == kErrSuccess) {
    std::size_t before = SubkeyNames(root, path, view).size();
    DeleteTree(root, path + "\\" + child, view);
    if (SubkeyNames(root, path, view).size() == before) break;
  }
  key.Close();
  std::size_t slash = path.rfind('\\');
  RegistryKey parent;
  if (slash == std::string::npos) {
    RegRemoveKeyEx(root, path.c_str(), view);
    return;
  }
  if (parent.Open(root, path.substr(0, slash), kKeyAllAccess | view) != kErrSuccess) return;
  RegRemoveKeyEx(parent.handle(), path.substr(slash + 1).c_str(), view);
}

namespace {

void RemoveTree(const std::string& folder) {
  for (const FolderEntry& entry : ListFolder(folder)) {
    std::string path = folder + "\\" + entry.name;
    if ((entry.attributes & kAttrDirectory) && !(entry.attributes & kAttrReparsePoint)) {
      RemoveTree(path);
    } else if (!DeleteOneFile(path)) {
      MakeWritable(path);
      if (!DeleteOneFile(path)) RemoveFolder(path);
    }
  }
  RemoveFolder(folder);
}

}  // namespace

std::string FreshFolder(const std::string& name) {
  static std::atomic<int> counter{0};
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string leaf = (info ? std::string(info->name()) : std::string("t")) + "-" + name + "-" +
                     std::to_string(counter++);
  std::replace(leaf.begin(), leaf.end(), '/', '_');
  std::string base = TempPath() + "arvenlo-reglib";
  CreateFolder(base);
  std::string folder = base + "\\" + leaf;
  RemoveTree(folder);
  CreateFolder(folder);
  return folder;
}

void WriteTextFile(const std::string& path, const std::string& text) {
  ASSERT_TRUE(platform::WriteWholeFile(path, text)) << path;
}

bool PathExists(const std::string& path) { return platform::FileExists(path); }

}  // namespace regtest
