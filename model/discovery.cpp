#include "model/discovery.h"

#include "platform/system.h"
#include "model/registry_paths.h"

namespace model {

const std::vector<FamilyScan>& FamilyScans() {
  static const std::vector<FamilyScan> scans = {
      {kAcadFamilyKey, 0, false},
      {kAcadFamilyKey, platform::kKeyWow64_64Key, true},
      {kAcadLtFamilyKey, 0, false},
  };
  return scans;
}

std::string ProgramFileFor(const std::string& productKey, const std::string& location) {
  if (productKey.find("ACAD-") != std::string::npos) return location + "\\acad.exe";
  if (productKey.find("ACADLT-") != std::string::npos) return location + "\\acadlt.exe";
  return location + "\\aclt.exe";
}

std::size_t ScanRelease(const FamilyScan& scan, const std::string& release,
                        std::vector<PMAcad>& found, const ReadRules& rules) {
  found.clear();
  const std::uint32_t access = platform::kKeyRead | scan.view;
  const std::string releasePath = std::string(scan.familyKey) + "\\" + release;
  platform::RegistryKey releaseKey;
  if (releaseKey.Open(platform::kHkeyLocalMachine, releasePath, access) != platform::kErrSuccess)
    return 0;
  std::string product;
  for (std::uint32_t i = 0; EnumSubkey(releaseKey, i, &product) == platform::kErrSuccess; ++i) {
    const std::string productPath = releasePath + "\\" + product;
    platform::RegistryKey productKey;
    if (productKey.Open(platform::kHkeyLocalMachine, productPath, access) != platform::kErrSuccess)
      continue;
    auto name = ReadText(productKey, "ProductName", rules);
    if (!name) continue;
    auto location = ReadText(productKey, "Location", rules);
    if (!location) location = ReadText(productKey, "AcadLocation", rules);
    if (!location) continue;
    PMAcad acad;
    acad.m_strName = *name;
    acad.m_strKey = productPath;
    acad.m_nView = scan.view;
    acad.m_strExe = ProgramFileFor(productPath, *location);
    found.push_back(std::move(acad));
  }
  return found.size();
}

std::size_t FindInstallations(std::vector<PMAcad>& acads, const ReadRules& rules) {
  acads.clear();
  const bool wow64 = platform::IsWow64();
  std::vector<PMAcad> release;
  for (const FamilyScan& scan : FamilyScans()) {
    if (scan.onlyOnWow64 && !wow64) continue;
    platform::RegistryKey family;
    if (family.Open(platform::kHkeyLocalMachine, scan.familyKey,
                    platform::kKeyRead | scan.view) != platform::kErrSuccess)
      continue;
    std::string releaseName;
    for (std::uint32_t i = 0; EnumSubkey(family, i, &releaseName) == platform::kErrSuccess; ++i) {
      ScanRelease(scan, releaseName, release, rules);
      for (PMAcad& acad : release) {
        // In front of the first record whose name is greater: a stable
        // insertion by name. std::string compares bytes as unsigned.
        auto at = acads.begin();
        while (at != acads.end() && !(at->m_strName > acad.m_strName)) ++at;
        acads.insert(at, std::move(acad));
      }
    }
  }
  return acads.size();
}

}  // namespace model
