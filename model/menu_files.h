// Reading what the system needs of an AutoCAD menu file (.mnu, .mns,
// .mnc): pull-down numbers, shortcut-menu titles and the toolbars
// marked for showing. Files are read line by line, without line ends.
#pragma once

#include <string>
#include <vector>

namespace model {

// Every line of a text file without its line end; false when the file
// cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>* lines);

// The number of a "***POP" line (first six characters, any case): the
// leading digits of the up to three characters after it; -1 for other lines.
int PopNumber(const std::string& line);

// The numbers 1 to 499 of the file's "***POP" sections, in file order.
// Returns the count; 0 when the file cannot be opened.
std::size_t ReadPopNumbers(const std::string& menuFile, std::vector<int>& numbers);

// For every shortcut-menu section (numbered 500 and above), the first
// bracketed title after its header. Returns the count.
std::size_t ReadPopTitles(const std::string& menuFile, std::vector<std::string>& titles);

// The toolbars marked for showing: for every "// Arvenlo:ShowToolbar" line
// (any case), the name of the toolbar of the toolbar section defined last
// (empty before the first). Returns the count.
std::size_t ReadShowToolbars(const std::string& menuFile, std::vector<std::string>& toolbars);

}  // namespace model
