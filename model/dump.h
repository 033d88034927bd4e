// The diagnostic dump: the whole model as text, one installation after the
// other, for support cases and for comparing two machines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/records.h"

namespace model {

void DumpModel(std::ostream& out, const std::vector<PMAcad>& acads);
std::string DumpModel(const std::vector<PMAcad>& acads);

// What "Arvenlo.exe -d <file>" does: creates or truncates the file and, only
// when it opened, loads the model afresh and writes the dump into it.
// False when the file could not be opened or written (the manager reports
// nothing either way).
bool WriteDumpFile(const std::string& path);

}  // namespace model
