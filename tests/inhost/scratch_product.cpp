#include "tests/inhost/scratch_product.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/reg_text.h"
#include "platform/registry_key.h"

namespace fakes {

namespace {


std::string Below(const std::string& key, const std::string& path) {
  return path.empty() ? key : key + "\\" + path;
}

}  // namespace

ScratchProduct::ScratchProduct(const std::string& release) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string tag = test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
  for (char& c : tag)
    if (c == '/' || c == '\\') c = '_';
  key_ = "Software\\Autodesk\\AutoCAD\\" + release + "\\ACAD-UT" + tag + ":409";
  testsupport::DeleteRegTree(platform::kHkeyLocalMachine, key_);
  testsupport::DeleteRegTree(platform::kHkeyCurrentUser, key_);
}

ScratchProduct::~ScratchProduct() {
  testsupport::DeleteRegTree(platform::kHkeyLocalMachine, key_);
  testsupport::DeleteRegTree(platform::kHkeyCurrentUser, key_);
}

void ScratchProduct::Write(platform::RegHandle root, const std::string& path, const char* name,
                           std::uint32_t type, const std::string& bytes) const {
  platform::RegistryKey key;
  ASSERT_EQ(key.Create(root, Below(key_, path), platform::kKeyAllAccess), platform::kErrSuccess);
  ASSERT_EQ(platform::RegSet(key.handle(), name, type,
                             reinterpret_cast<const std::uint8_t*>(bytes.data()),
                             static_cast<std::uint32_t>(bytes.size())),
            platform::kErrSuccess);
}

void ScratchProduct::WriteString(platform::RegHandle root, const std::string& path,
                                 const char* name, const std::string& value,
                                 std::uint32_t type) const {
  Write(root, path, name, type, value + std::string(1, '\0'));
}

void ScratchProduct::WriteDword(platform::RegHandle root, const std::string& path,
                                const char* name, std::uint32_t value) const {
  Write(root, path, name, platform::kRegDword,
        std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

bool ScratchProduct::Has(platform::RegHandle root, const std::string& path,
                         const char* name) const {
  platform::RegistryKey key;
  if (key.Open(root, Below(key_, path), platform::kKeyRead) != platform::kErrSuccess) return false;
  return platform::RegQuery(key.handle(), name, nullptr, nullptr, nullptr) ==
         platform::kErrSuccess;
}

std::optional<std::uint32_t> ScratchProduct::Dword(platform::RegHandle root,
                                                   const std::string& path,
                                                   const char* name) const {
  platform::RegistryKey key;
  if (key.Open(root, Below(key_, path), platform::kKeyRead) != platform::kErrSuccess)
    return std::nullopt;
  return key.ReadDword(name);
}

}  // namespace fakes
