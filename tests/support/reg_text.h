// Registry fixtures as .reg text, for tests that run natively against the
// in-memory registry and under Wine against the real one alike: only the
// platform registry functions are used.
//
// Accepted: "REGEDIT4" / "Windows Registry Editor Version 5.00" headers,
// ";" comments, [ROOT\path] (created) and [-ROOT\path] (deleted with its
// tree), "name"= or @= with "text" (\\ and \" escapes), dword:xxxxxxxx,
// hex:.., hex(n):.. (continued over lines ending in "\") and - (deleted).
// Roots: HKEY_LOCAL_MACHINE / HKLM, HKEY_CURRENT_USER / HKCU.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace testsupport {

// Imports `text`; `view` is ORed into every access below
// HKEY_LOCAL_MACHINE. On a malformed line or a failing registry call
// returns false and, when `error` is given, says which line.
bool ImportReg(const std::string& text, std::uint32_t view = 0, std::string* error = nullptr);

// Deletes `path` below `root` with everything beneath it; 0, 2 when it was
// not there, or the first registry error.
long DeleteRegTree(platform::RegHandle root, const std::string& path, std::uint32_t view = 0);

// The tree below `path` as text, one "[relative\path]" line per key ("[]"
// for `path` itself) followed by its values, keys and values sorted by
// name without regard to case, so the text is the same on every backend.
// Values: "name"="text", "name"=dword:0000000a, "name"=hex(n):aa,bb.
// Empty when the key cannot be opened.
std::string ExportRegTree(platform::RegHandle root, const std::string& path,
                          std::uint32_t view = 0);

}  // namespace testsupport
