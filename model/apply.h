// Writing the page's edits back: profiles created, renamed, deleted and
// described, the current profile, and every profile's links. Profile keys
// are written directly; links only through the registration library.
#pragma once

#include <vector>

#include "model/records.h"
#include "model/registration.h"

namespace model {

// One pass over every installation. Nothing is reported; the model is not
// reloaded but left as the registry now is: remaining profiles in state 0,
// links in state 0 or 2. A profile whose rename could not be copied keeps
// its stored name and its pending new name (and its old key), so the next
// apply tries again and nothing is lost.
void ApplyChanges(std::vector<PMAcad>& acads,
                  Registration& registration = LibraryRegistration());

// Makes the link keys of `profile` match its links, in display order:
// enabled links are (re)registered, which writes their LoadOrder and
// MenuLoaded as 0; disabled ones are unregistered.
void WriteLinks(const PMAcad& acad, PMAcadProfile& profile,
                Registration& registration = LibraryRegistration());

}  // namespace model
