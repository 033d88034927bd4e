// Files and folders on Windows.
#include <windows.h>

#include "platform/files.h"

namespace platform {

std::uint32_t FileAttributes(const std::string& path) {
  return GetFileAttributesA(path.c_str());
}

bool FileExists(const std::string& path) {
  return FileAttributes(path) != kInvalidFileAttributes;
}

bool CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool RemoveFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != FALSE; }

bool CopyOneFile(const std::string& from, const std::string& to, bool failIfExists) {
  return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool DeleteOneFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

std::vector<FolderEntry> ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  std::string pattern = path;
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back({name, found.dwFileAttributes});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

std::string TempPath() {
  char buffer[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof buffer, buffer);
  if (length == 0 || length > sizeof buffer) return std::string();
  return std::string(buffer, length);
}

bool ReadWholeFile(const std::string& path, std::string* contents) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  contents->clear();
  char chunk[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0)
    contents->append(chunk, got);
  CloseHandle(file);
  return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = contents.empty() ||
            (WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written,
                       nullptr) != FALSE &&
             written == contents.size());
  CloseHandle(file);
  return ok;
}

char PathSeparator() { return '\\'; }

}  // namespace platform
