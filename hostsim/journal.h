// The stand-in host's journal: one line per event, flushed as it is written,
// so that a test can read what happened even when the process was ended.
#pragma once

#include <string>

namespace hostsim {

void OpenJournal(const std::string& path);  // empty: no journal
// Writes "<event>: <text>"; line breaks inside the text are written as \r and \n.
void Journal(const std::string& event, const std::string& text);
void CloseJournal();

}  // namespace hostsim
