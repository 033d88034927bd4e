// Splitting a Windows command line into arguments by the rules of
// CommandLineToArgvW, so that the portable start-up sees exactly what the
// Windows shell would have handed over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace manager {

// The arguments of `commandLine`, the program name first. The program name
// is taken as it stands (up to the closing quote, or the first blank), with
// no backslash rules; the other arguments are separated by blanks and tabs,
// double quotes group and are removed, 2n backslashes before a quote give n
// backslashes, 2n+1 give n and a literal quote, and inside quotes three
// consecutive quotes give one literal quote. An empty line gives no
// arguments at all (the caller supplies the program name then).
std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine);

}  // namespace manager
