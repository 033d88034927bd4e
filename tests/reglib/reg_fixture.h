// What the library's tests need around it: a registry emptied of what the
// tests write, a way to set it up and look at it, and fresh folders.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "tests/reglib/reglib_api.h"

namespace regtest {

using platform::RegHandle;
inline constexpr RegHandle kHkcu = platform::kHkeyCurrentUser;
inline constexpr RegHandle kHklm = platform::kHkeyLocalMachine;
inline constexpr std::uint32_t kView64 = platform::kKeyWow64_64Key;

// Removes every key the tests write (Software\Autodesk in both roots and
// Software\ArvenloTest), and on the in-memory registry resets the simulated
// process to a 64-bit one.
void ResetRegistry();

bool KeyExists(RegHandle root, const std::string& path, std::uint32_t view = 0);
std::optional<std::string> ReadString(RegHandle root, const std::string& path, const char* name,
                                      std::uint32_t view = 0);
std::optional<std::uint32_t> ReadDword(RegHandle root, const std::string& path, const char* name,
                                       std::uint32_t view = 0);
void WriteString(RegHandle root, const std::string& path, const char* name,
                 const std::string& value, std::uint32_t view = 0);
void WriteDword(RegHandle root, const std::string& path, const char* name, std::uint32_t value,
                std::uint32_t view = 0);
void WriteRaw(RegHandle root, const std::string& path, const char* name, std::uint32_t type,
              const std::string& bytes, std::uint32_t view = 0);
std::optional<std::string> ReadRaw(RegHandle root, const std::string& path, const char* name,
                                   std::uint32_t* type = nullptr, std::uint32_t view = 0);
// Sorted, since the backends enumerate values in different orders.
std::vector<std::string> SubkeyNames(RegHandle root, const std::string& path,
                                     std::uint32_t view = 0);
std::vector<std::string> ValueNames(RegHandle root, const std::string& path,
                                    std::uint32_t view = 0);
void DeleteTree(RegHandle root, const std::string& path, std::uint32_t view = 0);

// A new empty folder for this test, Windows-style path without a final "\".
std::string FreshFolder(const std::string& name);
// The per-user application data folder the library will use.
std::string AppDataFolder();
void WriteTextFile(const std::string& path, const std::string& text);
bool PathExists(const std::string& path);

// The product key path of an AutoCAD Id.
inline std::string Product(const std::string& id) { return "Software\\Autodesk\\" + id; }
inline std::string Profiles(const std::string& id) { return Product(id) + "\\Profiles"; }
inline std::string Profile(const std::string& id, const std::string& profile) {
  return Profiles(id) + "\\" + profile;
}

class RegLibTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetRegistry(); }
  void TearDown() override { ResetRegistry(); }
  const RegLibApi& lib = Lib();
};

}  // namespace regtest
