// Finding the AutoCAD and AutoCAD LT installations in the registry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/read_rules.h"
#include "model/records.h"

namespace model {

// One scan of a product family key under one registry view.
struct FamilyScan {
  const char* familyKey;  // below HKEY_LOCAL_MACHINE
  std::uint32_t view;
  bool onlyOnWow64;  // only a 32-bit process on 64-bit Windows makes this scan
};

// The scans, in the order they are made.
const std::vector<FamilyScan>& FamilyScans();

// Replaces `acads` by every installation found, sorted by product name
// (case-sensitive, byte by byte; equal names keep the order found). Only
// m_strName, m_strKey, m_nView and m_strExe are filled. Returns the count.
std::size_t FindInstallations(std::vector<PMAcad>& acads,
                              const ReadRules& rules = ReadRules::Manager());

// Replaces `found` by the installations below one release key of `scan`,
// in enumeration order. Returns the count.
std::size_t ScanRelease(const FamilyScan& scan, const std::string& release,
                        std::vector<PMAcad>& found,
                        const ReadRules& rules = ReadRules::Manager());

// The program file for a product key path: "\acad.exe" for ACAD- keys,
// "\acadlt.exe" for ACADLT- keys, else "\aclt.exe", after `location`.
std::string ProgramFileFor(const std::string& productKey, const std::string& location);

}  // namespace model
