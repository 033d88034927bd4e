#include "reglib/target.h"

#include <cmath>
#include <cstdlib>

#include "platform/system.h"

namespace reglib {

using namespace platform;

namespace {

// The release number after "AutoCAD\R", times 100, the way atof reads it.
bool ReleaseAtLeast1710(const std::string& acadId) {
  std::string id = acadId.substr(0, 259);
  static const std::string kMarker = "AutoCAD\\R";
  std::size_t at = id.find(kMarker);
  if (at == std::string::npos) return false;
  std::size_t start = at + kMarker.size();
  std::size_t end = id.find('\\', start);
  if (end == std::string::npos) return false;
  std::string number = id.substr(start, end - start);
  double value = std::strtod(number.c_str(), nullptr);
  return std::trunc(value * 100.0) >= 1710.0;
}

}  // namespace

std::uint32_t ViewFlagFor(RegHandle root, const std::string& acadId) {
  if (root != kHkeyLocalMachine) return 0;
  if (!IsWow64()) return 0;
  return ReleaseAtLeast1710(acadId) ? kKeyWow64_64Key : 0;
}

bool ResolveTarget(int code, const std::string& acadId, Target* out) {
  // A 64-bit build runs on 64-bit Windows whatever WOW64 says, so the
  // operating system is asked, not the process.
  switch (code) {
    case 1:
      *out = {kHkeyCurrentUser, 0};
      return true;
    case 2:
      *out = {kHkeyLocalMachine, ViewFlagFor(kHkeyLocalMachine, acadId)};
      return true;
    case 3:
      if (Is64BitWindows()) return false;
      *out = {kHkeyLocalMachine, 0};
      return true;
    case 4:
      if (!Is64BitWindows()) return false;
      *out = {kHkeyLocalMachine, kKeyWow64_64Key};
      return true;
    default:
      return false;
  }
}

std::string RegistryPathText(RegHandle root, const std::string& path) {
  return (root == kHkeyCurrentUser ? "\\\\HKEY_CURRENT_USER\\" : "\\\\HKEY_LOCAL_MACHINE\\") +
         path;
}

}  // namespace reglib
