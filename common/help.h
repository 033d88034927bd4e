// The module's WinHelp file, opened at its main topic.
#pragma once

#include <string>

namespace common {

inline constexpr char kHelpTopic[] = "ArvenloMain";

// Where a module at `modulePath` keeps its help file: a program (".exe", any
// letter case) beside itself, its path with the extension replaced by
// ".hlp"; an in-host module in the folder above its own, drive + folder +
// "..\" + base name + ".hlp".
std::string HelpFilePathFor(const std::string& modulePath);

// JumpID("<helpFile>","<topic>"), with every "\" and every "/" of the whole
// macro written as two backslashes, since the viewer reads "\" as an escape.
std::string HelpMacro(const std::string& helpFile, const std::string& topic);

// Opens this module's help file at kHelpTopic for `window` (the asking
// window's handle); does nothing, and says nothing, when there is no file.
void ShowHelp(void* window);
// The same for a module at `modulePath`.
void ShowHelpFor(void* window, const std::string& modulePath);

}  // namespace common
