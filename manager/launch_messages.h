// What a person is told after a launch: the message for each result of
// RunAcad, in the UI language, with the AutoCAD Id shown as it is typed
// after -a (without "Software\Autodesk\").
#pragma once

#include <cstdint>
#include <string>

#include "manager/manager_actions.h"

namespace manager {

// Results of RunAcad.
enum PMRunResult : std::int32_t {
  kRunDone = 0,                // AutoCAD was started and has ended
  kRunAcadNotFound = 1,        // no installation with that key
  kRunProfileNotFound = 2,     // no such profile, and it was not (or could not be) created
  kRunCannotChangeProfile = 3, // a key or a note of the profile switch failed
  kRunCannotStart = 4,         // creating the process failed
  kRunNoProfiles = 5,          // the installation was never started
};

// `pattern` with its first "%s" replaced by `argument`, then every
// "Software\Autodesk\" in the whole text removed. The argument is inserted
// as text, never read as a format, so a name with '%' in it is shown as is.
std::u16string FormatLaunchMessage(const std::u16string& pattern, const std::u16string& argument);

// The message for `result` (empty for 0 and for anything unknown).
std::u16string LaunchResultMessage(std::int32_t result, const PMRunInfo& run,
                                   std::uint16_t language);

}  // namespace manager
