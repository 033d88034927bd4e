// Support for the platform conformance suites: a fresh folder below the
// system's temporary folder for each test, removed with all it holds when
// the test ends, and the two set-ups the seam does not offer (marking a file
// read-only, making a symbolic link), done with each system's own call.
#pragma once

#include <string>

namespace platform_test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a separator at the end.
  const std::string& path() const { return path_; }
  // `name` inside the folder, joined with the platform's separator.
  std::string Join(const std::string& name) const;

 private:
  std::string path_;
};

// Removes `path` and everything below it; links are removed, not followed.
void RemoveTree(const std::string& path);

bool SetReadOnly(const std::string& path, bool readOnly);

// A symbolic link at `link` to `target` (a folder when `toFolder`); false
// when none could be made.
bool MakeSymlink(const std::string& target, const std::string& link, bool toFolder);

// Whether symbolic links can be made here at all. Wine's CreateSymbolicLink
// reports success and makes nothing.
bool LinksCanBeMade();

// Whether this user may write over a read-only file. Windows says no; Wine
// and the posix backend leave it to the permission bits, so root may.
bool ReadOnlyFilesAreWritable();

}  // namespace platform_test
