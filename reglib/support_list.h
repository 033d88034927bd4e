// A profile's support file search path: folders separated by ";". Folders
// are matched as whole entries without regard to letter case; a text of
// several folders ("a;b") matches a run of entries in that order.
#pragma once

#include <string>

namespace reglib {

// Where the entries of `folders` stand as a run in `list`: the character
// offsets of the run's first character and of the end of its last entry.
// False when they do not (or `folders` is empty).
bool FindEntries(const std::string& list, const std::string& folders, std::size_t* begin,
                 std::size_t* end);

// `folders` put in front, unless already listed; false when nothing changes.
bool WithFolders(const std::string& list, const std::string& folders, std::string* result);

// The first run of `folders` taken out with the ";" after it (the one before
// it stays when it was last); false when they are not listed.
bool WithoutFolders(const std::string& list, const std::string& folders, std::string* result);

}  // namespace reglib
