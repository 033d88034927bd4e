// Files and folders. Paths are texts in the ANSI code page with Windows
// separators; the posix backend also accepts "\" and turns it into "/", so
// the core can build paths the one way everywhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

inline constexpr std::uint32_t kInvalidFileAttributes = 0xFFFFFFFFu;
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrNormal = 0x80;
inline constexpr std::uint32_t kAttrReparsePoint = 0x400;

// GetFileAttributesA; kInvalidFileAttributes when nothing is there. A
// symbolic link (or junction) reports kAttrReparsePoint, not what it points to.
std::uint32_t FileAttributes(const std::string& path);
bool FileExists(const std::string& path);

bool CreateFolder(const std::string& path);  // one level, like CreateDirectoryA
bool RemoveFolder(const std::string& path);  // an empty folder, or a link to one
bool CopyOneFile(const std::string& from, const std::string& to, bool failIfExists);
bool DeleteOneFile(const std::string& path);

struct FolderEntry {
  std::string name;
  std::uint32_t attributes = 0;
};
// The entries of a folder, without "." and "..". Empty when it cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& path);

// GetTempPathA: ends with a separator.
std::string TempPath();

// Reads or writes a whole file; false when it cannot be done.
bool ReadWholeFile(const std::string& path, std::string* contents);
bool WriteWholeFile(const std::string& path, const std::string& contents);

// The separator this platform's paths use natively ("\" or "/").
char PathSeparator();

}  // namespace platform
