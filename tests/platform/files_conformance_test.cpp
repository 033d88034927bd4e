// The file functions of the platform seam against whichever backend is
// linked: natively the posix one, under Wine the real Windows calls. Every
// case makes what it needs in a fresh temporary folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/platform/temp_folder.h"

namespace {

using namespace std::string_literals;
using platform_test::TempFolder;

const std::string kContents = "hello\0world\r\n\xFF"s;

// What a case works on, made fresh in a folder of its own.
enum class Entry {
  kMissing,
  kFile,
  kReadOnlyFile,
  kEmptyFolder,
  kFullFolder,
  kFolderLink,  // a symbolic link to an empty folder
  kFileLink,    // a symbolic link to a file
};

struct Made {
  std::string path;
  std::string target;  // for a link: what it points to, which must survive
};

Made MakeEntry(const TempFolder& folder, Entry entry) {
  std::string path = folder.Join("entry");
  switch (entry) {
    case Entry::kMissing: break;
    case Entry::kFile: EXPECT_TRUE(platform::WriteWholeFile(path, kContents)); break;
    case Entry::kReadOnlyFile:
      EXPECT_TRUE(platform::WriteWholeFile(path, kContents));
      EXPECT_TRUE(platform_test::SetReadOnly(path, true));
      break;
    case Entry::kEmptyFolder: EXPECT_TRUE(platform::CreateFolder(path)); break;
    case Entry::kFullFolder:
      EXPECT_TRUE(platform::CreateFolder(path));
      EXPECT_TRUE(platform::WriteWholeFile(path + platform::PathSeparator() + "inner", "x"));
      break;
    case Entry::kFolderLink: {
      std::string target = folder.Join("target");
      EXPECT_TRUE(platform::CreateFolder(target));
      EXPECT_TRUE(platform_test::MakeSymlink(target, path, true));
      return {path, target};
    }
    case Entry::kFileLink: {
      std::string target = folder.Join("target");
      EXPECT_TRUE(platform::WriteWholeFile(target, kContents));
      EXPECT_TRUE(platform_test::MakeSymlink(target, path, false));
      return {path, target};
    }
  }
  return {path, ""};
}

constexpr std::uint32_t kKindBits =
    platform::kAttrDirectory | platform::kAttrReadOnly | platform::kAttrReparsePoint;

bool IsLink(Entry entry) { return entry == Entry::kFolderLink || entry == Entry::kFileLink; }

// A Windows directory link is a folder with a reparse point; the remove and
// delete calls take the link itself, never what it points to.
struct EntryCase {
  const char* name;
  Entry entry;
  const char* suffix;       // added to the path, e.g. a trailing separator
  std::uint32_t kind;       // the directory, read-only and reparse bits; or
                            // kInvalidFileAttributes for nothing there
  bool removesAsFolder;     // RemoveFolder succeeds and the entry is gone
  bool deletesAsFile;       // DeleteOneFile succeeds and the entry is gone
  bool readable;            // ReadWholeFile gives kContents
};

const char kSeparator[] = {platform::PathSeparator(), '\0'};

const EntryCase kEntryCases[] = {
    {"Missing", Entry::kMissing, "", platform::kInvalidFileAttributes, false, false, false},
    {"File", Entry::kFile, "", 0, false, true, true},
    {"ReadOnlyFile", Entry::kReadOnlyFile, "", platform::kAttrReadOnly, false, false, true},
    {"EmptyFolder", Entry::kEmptyFolder, "", platform::kAttrDirectory, true, false, false},
    {"FullFolder", Entry::kFullFolder, "", platform::kAttrDirectory, false, false, false},
    {"FolderLink", Entry::kFolderLink, "", platform::kAttrReparsePoint | platform::kAttrDirectory,
     true, false, false},
    {"FileLink", Entry::kFileLink, "", platform::kAttrReparsePoint, false, true, true},
    {"FolderWithSeparator", Entry::kEmptyFolder, kSeparator, platform::kAttrDirectory, true, false,
     false},
    {"FileWithSeparator", Entry::kFile, kSeparator, platform::kInvalidFileAttributes, false, false,
     false},
};

class FilesEntryTest : public testing::TestWithParam<EntryCase> {
 protected:
  void SetUp() override {
    if (IsLink(GetParam().entry) && !platform_test::LinksCanBeMade())
      GTEST_SKIP() << "symbolic links cannot be made here";
  }
  // A fresh entry for each call, as each may remove it.
  Made Fresh(TempFolder* folder) {
    Made made = MakeEntry(*folder, GetParam().entry);
    made.path += GetParam().suffix;
    return made;
  }
  static bool Gone(const std::string& path) {
    return platform::FileAttributes(path) == platform::kInvalidFileAttributes;
  }
};

TEST_P(FilesEntryTest, Attributes) {
  const EntryCase& c = GetParam();
  TempFolder folder;
  Made made = Fresh(&folder);
  std::uint32_t attributes = platform::FileAttributes(made.path);
  if (c.kind == platform::kInvalidFileAttributes) {
    EXPECT_EQ(attributes, platform::kInvalidFileAttributes);
  } else {
    EXPECT_EQ(attributes & kKindBits, c.kind) << std::hex << attributes;
  }
  EXPECT_EQ(platform::FileExists(made.path), c.kind != platform::kInvalidFileAttributes);
}

TEST_P(FilesEntryTest, RemoveFolder) {
  const EntryCase& c = GetParam();
  TempFolder folder;
  Made made = Fresh(&folder);
  bool there = !Gone(made.path);
  EXPECT_EQ(platform::RemoveFolder(made.path), c.removesAsFolder);
  EXPECT_EQ(Gone(made.path), c.removesAsFolder || !there);
  if (!made.target.empty()) {
    EXPECT_FALSE(Gone(made.target));
  }
}

TEST_P(FilesEntryTest, DeleteOneFile) {
  const EntryCase& c = GetParam();
  TempFolder folder;
  Made made = Fresh(&folder);
  bool there = !Gone(made.path);
  EXPECT_EQ(platform::DeleteOneFile(made.path), c.deletesAsFile);
  EXPECT_EQ(Gone(made.path), c.deletesAsFile || !there);
  if (!made.target.empty()) {
    EXPECT_FALSE(Gone(made.target));
  }
}

TEST_P(FilesEntryTest, ReadWholeFile) {
  const EntryCase& c = GetParam();
  TempFolder folder;
  Made made = Fresh(&folder);
  std::string contents = "before";
  EXPECT_EQ(platform::ReadWholeFile(made.path, &contents), c.readable);
  if (c.readable) {
    EXPECT_EQ(contents, kContents);
  }
}

TEST_P(FilesEntryTest, WriteWholeFile) {
  // Only a file (or a link to one) may be written over, a read-only one as
  // the permissions allow; a new file cannot be made where a separator ends
  // the path.
  const EntryCase& c = GetParam();
  TempFolder folder;
  Made made = Fresh(&folder);
  bool writable = c.entry == Entry::kFile || c.entry == Entry::kFileLink ||
                  c.entry == Entry::kMissing ||
                  (c.entry == Entry::kReadOnlyFile && platform_test::ReadOnlyFilesAreWritable());
  writable = writable && std::string(c.suffix).empty();
  EXPECT_EQ(platform::WriteWholeFile(made.path, "new"), writable);
  std::string contents;
  if (writable) {
    EXPECT_TRUE(platform::ReadWholeFile(made.path, &contents));
    EXPECT_EQ(contents, "new");
  } else if (c.readable) {
    EXPECT_TRUE(platform::ReadWholeFile(made.path, &contents));
    EXPECT_EQ(contents, kContents);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, FilesEntryTest, testing::ValuesIn(kEntryCases),
                         [](const testing::TestParamInfo<EntryCase>& info) {
                           return std::string(info.param.name);
                         });

// --- CreateFolder -----------------------------------------------------------

struct CreateCase {
  const char* name;
  Entry existing;
  const char* below;  // the folder to create, below the entry (or the entry itself)
  bool result;
};

const CreateCase kCreateCases[] = {
    {"New", Entry::kMissing, "", true},
    {"NewWithSeparator", Entry::kMissing, kSeparator, true},
    {"ExistingFolder", Entry::kEmptyFolder, "", false},
    {"ExistingFile", Entry::kFile, "", false},
    {"InsideFolder", Entry::kEmptyFolder, "/new", true},
    {"InsideMissingFolder", Entry::kMissing, "/new", false},
    {"InsideFile", Entry::kFile, "/new", false},
};

class FilesCreateTest : public testing::TestWithParam<CreateCase> {};

TEST_P(FilesCreateTest, CreateFolder) {
  const CreateCase& c = GetParam();
  TempFolder folder;
  std::string path = MakeEntry(folder, c.existing).path + c.below;
  bool existed = platform::FileExists(path);
  EXPECT_EQ(platform::CreateFolder(path), c.result);
  if (c.result) {
    EXPECT_EQ(platform::FileAttributes(path) & kKindBits, platform::kAttrDirectory);
  }
  if (!existed && !c.result) {
    EXPECT_FALSE(platform::FileExists(path));
  }
}

INSTANTIATE_TEST_SUITE_P(Files, FilesCreateTest, testing::ValuesIn(kCreateCases),
                         [](const testing::TestParamInfo<CreateCase>& info) {
                           return std::string(info.param.name);
                         });

// --- CopyOneFile ------------------------------------------------------------

enum class Target { kNone, kFile, kReadOnlyFile, kFolder, kSource };

enum class Outcome { kFails, kSucceeds, kAsPermitted /* see ReadOnlyFilesAreWritable */ };

struct CopyCase {
  const char* name;
  Entry source;
  Target target;
  bool failIfExists;
  Outcome outcome;
};

const CopyCase kCopyCases[] = {
    {"ToNewFile", Entry::kFile, Target::kNone, false, Outcome::kSucceeds},
    {"ToNewFileRefusingExisting", Entry::kFile, Target::kNone, true, Outcome::kSucceeds},
    {"OverFile", Entry::kFile, Target::kFile, false, Outcome::kSucceeds},
    {"OverFileRefused", Entry::kFile, Target::kFile, true, Outcome::kFails},
    {"OverReadOnlyFile", Entry::kFile, Target::kReadOnlyFile, false, Outcome::kAsPermitted},
    {"OntoFolder", Entry::kFile, Target::kFolder, false, Outcome::kFails},
    {"OntoItself", Entry::kFile, Target::kSource, false, Outcome::kFails},
    {"FromMissing", Entry::kMissing, Target::kNone, false, Outcome::kFails},
    {"FromFolder", Entry::kEmptyFolder, Target::kNone, false, Outcome::kFails},
    {"FromLinkCopiesContents", Entry::kFileLink, Target::kNone, false, Outcome::kSucceeds},
    {"FromReadOnlyFile", Entry::kReadOnlyFile, Target::kNone, false, Outcome::kSucceeds},
    {"FromReadOnlyFileOverFile", Entry::kReadOnlyFile, Target::kFile, false, Outcome::kSucceeds},
};

class FilesCopyTest : public testing::TestWithParam<CopyCase> {};

TEST_P(FilesCopyTest, CopyOneFile) {
  const CopyCase& c = GetParam();
  if (IsLink(c.source) && !platform_test::LinksCanBeMade())
    GTEST_SKIP() << "symbolic links cannot be made here";
  bool succeeds = c.outcome == Outcome::kSucceeds ||
                  (c.outcome == Outcome::kAsPermitted && platform_test::ReadOnlyFilesAreWritable());
  TempFolder folder;
  std::string source = MakeEntry(folder, c.source).path;
  std::string target = folder.Join("copy");
  switch (c.target) {
    case Target::kNone: break;
    case Target::kFile: ASSERT_TRUE(platform::WriteWholeFile(target, "old")); break;
    case Target::kReadOnlyFile:
      ASSERT_TRUE(platform::WriteWholeFile(target, "old"));
      ASSERT_TRUE(platform_test::SetReadOnly(target, true));
      break;
    case Target::kFolder: ASSERT_TRUE(platform::CreateFolder(target)); break;
    case Target::kSource: target = source; break;
  }
  std::string before;
  bool targetWasFile = platform::ReadWholeFile(target, &before);

  EXPECT_EQ(platform::CopyOneFile(source, target, c.failIfExists), succeeds);

  std::string after;
  if (succeeds) {
    EXPECT_TRUE(platform::ReadWholeFile(target, &after));
    EXPECT_EQ(after, kContents);
    // A new copy takes the source's read-only mark; a file written over
    // keeps its own (as under Wine).
    bool readOnly = c.target == Target::kNone ? c.source == Entry::kReadOnlyFile
                                              : c.target == Target::kReadOnlyFile;
    EXPECT_EQ(platform::FileAttributes(target) & platform::kAttrReadOnly,
              readOnly ? platform::kAttrReadOnly : 0u);
  } else if (targetWasFile) {
    EXPECT_TRUE(platform::ReadWholeFile(target, &after));
    EXPECT_EQ(after, before);
  } else if (c.target == Target::kNone) {
    EXPECT_FALSE(platform::FileExists(target));
  }
}

INSTANTIATE_TEST_SUITE_P(Files, FilesCopyTest, testing::ValuesIn(kCopyCases),
                         [](const testing::TestParamInfo<CopyCase>& info) {
                           return std::string(info.param.name);
                         });

// --- ListFolder -------------------------------------------------------------

std::vector<std::string> Names(const std::vector<platform::FolderEntry>& entries) {
  std::vector<std::string> names;
  for (const platform::FolderEntry& entry : entries) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FilesList, EntriesWithTheirKinds) {
  TempFolder folder;
  ASSERT_TRUE(platform::WriteWholeFile(folder.Join("file.txt"), "x"));
  ASSERT_TRUE(platform::CreateFolder(folder.Join("sub")));
  ASSERT_TRUE(platform::WriteWholeFile(folder.Join("sub") + platform::PathSeparator() + "deep", ""));

  std::vector<platform::FolderEntry> entries = platform::ListFolder(folder.path());
  EXPECT_EQ(Names(entries), (std::vector<std::string>{"file.txt", "sub"}));
  for (const platform::FolderEntry& entry : entries) {
    EXPECT_EQ(entry.attributes & kKindBits, entry.name == "sub" ? platform::kAttrDirectory : 0u)
        << entry.name << " " << std::hex << entry.attributes;
  }
}

TEST(FilesList, LinkIsAReparsePoint) {
  if (!platform_test::LinksCanBeMade()) GTEST_SKIP() << "symbolic links cannot be made here";
  TempFolder folder;
  ASSERT_TRUE(platform::CreateFolder(folder.Join("sub")));
  ASSERT_TRUE(platform_test::MakeSymlink(folder.Join("sub"), folder.Join("link"), true));
  std::vector<platform::FolderEntry> entries = platform::ListFolder(folder.path());
  ASSERT_EQ(Names(entries), (std::vector<std::string>{"link", "sub"}));
  for (const platform::FolderEntry& entry : entries) {
    EXPECT_EQ(entry.attributes & kKindBits,
              platform::kAttrDirectory |
                  (entry.name == "link" ? platform::kAttrReparsePoint : 0u))
        << entry.name;
  }
}

TEST(FilesList, PathMayEndWithSeparator) {
  TempFolder folder;
  ASSERT_TRUE(platform::WriteWholeFile(folder.Join("file.txt"), "x"));
  EXPECT_EQ(Names(platform::ListFolder(folder.path() + platform::PathSeparator())),
            (std::vector<std::string>{"file.txt"}));
}

TEST(FilesList, NothingForEmptyMissingOrFile) {
  TempFolder folder;
  ASSERT_TRUE(platform::WriteWholeFile(folder.Join("file.txt"), "x"));
  ASSERT_TRUE(platform::CreateFolder(folder.Join("empty")));
  EXPECT_TRUE(platform::ListFolder(folder.Join("empty")).empty());
  EXPECT_TRUE(platform::ListFolder(folder.Join("missing")).empty());
  EXPECT_TRUE(platform::ListFolder(folder.Join("file.txt")).empty());
}

// --- Whole files, paths -----------------------------------------------------

TEST(FilesWhole, WriteReplacesAllContents) {
  TempFolder folder;
  std::string path = folder.Join("file");
  ASSERT_TRUE(platform::WriteWholeFile(path, kContents));
  ASSERT_TRUE(platform::WriteWholeFile(path, "ab"));
  std::string contents;
  ASSERT_TRUE(platform::ReadWholeFile(path, &contents));
  EXPECT_EQ(contents, "ab");
  ASSERT_TRUE(platform::WriteWholeFile(path, ""));
  ASSERT_TRUE(platform::ReadWholeFile(path, &contents));
  EXPECT_EQ(contents, "");
}

TEST(FilesWhole, LargeFileRoundTrips) {
  TempFolder folder;
  std::string path = folder.Join("large");
  std::string large;
  for (int i = 0; i < 100000; ++i) large += static_cast<char>(i * 7);
  ASSERT_TRUE(platform::WriteWholeFile(path, large));
  std::string contents;
  ASSERT_TRUE(platform::ReadWholeFile(path, &contents));
  EXPECT_EQ(contents, large);
}

TEST(FilesWhole, NoWriteIntoMissingFolder) {
  TempFolder folder;
  std::string path = folder.Join("missing") + platform::PathSeparator() + "file";
  EXPECT_FALSE(platform::WriteWholeFile(path, "x"));
  EXPECT_FALSE(platform::FileExists(path));
}

TEST(FilesPath, TempPathIsAFolderEndingInTheSeparator) {
  std::string temp = platform::TempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), platform::PathSeparator());
  EXPECT_EQ(platform::FileAttributes(temp) & platform::kAttrDirectory, platform::kAttrDirectory);
}

TEST(FilesPath, EitherSeparatorWorks) {
  TempFolder folder;
  ASSERT_TRUE(platform::CreateFolder(folder.path() + "/sub"));
  ASSERT_TRUE(platform::WriteWholeFile(folder.path() + "\\sub\\file", "x"));
  std::string contents;
  EXPECT_TRUE(platform::ReadWholeFile(folder.path() + "/sub/file", &contents));
  EXPECT_EQ(contents, "x");
  EXPECT_EQ(Names(platform::ListFolder(folder.path() + "\\sub")),
            (std::vector<std::string>{"file"}));
  EXPECT_TRUE(platform::CopyOneFile(folder.path() + "\\sub\\file", folder.path() + "/copy", true));
  EXPECT_TRUE(platform::DeleteOneFile(folder.path() + "\\sub/file"));
  EXPECT_TRUE(platform::RemoveFolder(folder.path() + "\\sub"));
  EXPECT_FALSE(platform::FileExists(folder.path() + "/sub"));
}

}  // namespace
