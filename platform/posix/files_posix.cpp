// Files and folders for the posix backend, with the answers the Windows
// functions give. A symbolic link is a reparse point (one to a folder is a
// folder too, as a Windows directory link is) and the remove and delete
// calls take the link, never what it points to. A file without any write
// permission bit is read-only: deleting it is refused even to root, as
// Windows and Wine refuse it, while writing it is left to the permission
// check, which under Wine decides too (so root may write it there as here).
//
// Not here: case-insensitive names, share modes, the archive attribute.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/files.h"
#include "platform/posix/native_path.h"

namespace platform {
namespace {

bool IsReadOnly(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

bool PointsToFolder(const std::string& native) {
  struct stat target;
  return stat(native.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
}

std::uint32_t AttributesOf(const std::string& native) {
  struct stat st;
  if (lstat(native.c_str(), &st) != 0) return kInvalidFileAttributes;
  if (S_ISLNK(st.st_mode))
    return kAttrReparsePoint | (PointsToFolder(native) ? kAttrDirectory : 0);
  std::uint32_t attributes = S_ISDIR(st.st_mode) ? kAttrDirectory : 0;
  if (IsReadOnly(st)) attributes |= kAttrReadOnly;
  return attributes ? attributes : kAttrNormal;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t written = write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Reads what is left of `fd` into `contents`; false on a read error.
bool ReadAll(int fd, std::string* contents) {
  char chunk[4096];
  for (;;) {
    ssize_t got = read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    contents->append(chunk, static_cast<std::size_t>(got));
  }
}

// Copies the open file `in` (described by `st`) to `to`, with the source's
// modification time, as CopyFile keeps the last write time. A new copy takes
// the source's permissions (its read-only mark), a file written over keeps
// its own, as under Wine.
bool CopyOpenFile(int in, const struct stat& st, const std::string& to, bool overwrite) {
  int flags = O_WRONLY | O_CREAT | (overwrite ? O_TRUNC : O_EXCL);
  int out = open(to.c_str(), flags, 0600);
  if (out < 0) return false;
  std::string contents;
  bool ok = ReadAll(in, &contents) && WriteAll(out, contents.data(), contents.size());
  if (ok) {
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ok = futimens(out, times) == 0 && (overwrite || fchmod(out, st.st_mode & 07777) == 0);
  }
  ok = close(out) == 0 && ok;
  if (!ok && !overwrite) unlink(to.c_str());
  return ok;
}

}  // namespace

std::uint32_t FileAttributes(const std::string& path) {
  return AttributesOf(posix::NativePath(path));
}

bool FileExists(const std::string& path) {
  return FileAttributes(path) != kInvalidFileAttributes;
}

bool CreateFolder(const std::string& path) {
  return mkdir(posix::NativePath(path).c_str(), 0777) == 0;
}

bool RemoveFolder(const std::string& path) {
  std::string native = posix::NativePath(path);
  struct stat st;
  if (lstat(native.c_str(), &st) != 0) return false;
  if (S_ISLNK(st.st_mode)) return PointsToFolder(native) && unlink(native.c_str()) == 0;
  return S_ISDIR(st.st_mode) && rmdir(native.c_str()) == 0;
}

bool CopyOneFile(const std::string& from, const std::string& to, bool failIfExists) {
  std::string source = posix::NativePath(from);
  std::string target = posix::NativePath(to);
  int in = open(source.c_str(), O_RDONLY);
  if (in < 0) return false;
  struct stat st, existing;
  bool ok = fstat(in, &st) == 0 && S_ISREG(st.st_mode);
  bool overwrite = ok && stat(target.c_str(), &existing) == 0;
  if (overwrite) {
    // Copying a file onto itself would empty it; Windows refuses it.
    bool same = existing.st_dev == st.st_dev && existing.st_ino == st.st_ino;
    ok = !failIfExists && !same;
  }
  ok = ok && CopyOpenFile(in, st, target, overwrite);
  close(in);
  return ok;
}

bool DeleteOneFile(const std::string& path) {
  std::string native = posix::NativePath(path);
  struct stat st;
  if (lstat(native.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  if (S_ISLNK(st.st_mode) ? PointsToFolder(native) : IsReadOnly(st)) return false;
  return unlink(native.c_str()) == 0;
}

std::vector<FolderEntry> ListFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  std::string folder = posix::NativePath(path);
  DIR* dir = opendir(folder.c_str());
  if (!dir) return entries;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries.push_back({name, AttributesOf(folder + name)});
  }
  closedir(dir);
  return entries;
}

std::string TempPath() {
  const char* tmpdir = std::getenv("TMPDIR");
  std::string path = tmpdir && *tmpdir ? tmpdir : "/tmp/";
  if (path.back() != '/') path += '/';
  return path;
}

bool ReadWholeFile(const std::string& path, std::string* contents) {
  int fd = open(posix::NativePath(path).c_str(), O_RDONLY);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
  if (ok) {
    contents->clear();
    ok = ReadAll(fd, contents);
  }
  close(fd);
  return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
  int fd = open(posix::NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, contents.data(), contents.size());
  return close(fd) == 0 && ok;
}

char PathSeparator() { return '/'; }

}  // namespace platform
