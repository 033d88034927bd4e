// The starter: loaded by the host at every start, it decides from the current
// profile's RunPM whether this run asked for the in-host module, and if so
// loads the two optional companions and then the in-host module through the
// host's dynamic linker.
#pragma once

#include <optional>
#include <string>

#include "host/host.h"
#include "platform/registry.h"

namespace starter {

// The key of the set-up values below HKEY_LOCAL_MACHINE for a product key.
std::string SetupKeyPath(const std::string& productKey);

// A string value as the starter accepts it: REG_SZ or REG_EXPAND_SZ (taken
// as stored), at most 520 bytes with its terminator, ending in a zero; an
// empty value is the empty text. Anything else is absent.
std::optional<std::string> ReadStarterString(platform::RegHandle key, const char* name);

// The request test: true when RunPM asks for the in-host module (1, which is
// used up, or 2); PMByStrr = 1 is then written.
bool RequestTest(const std::string& productKey);

// Loads AePath and CePath (when present) and then PmPath; true when PmPath
// was present and loaded.
bool LoadModules(host::Host& host, const std::string& productKey);

// The entry point's work, with the host the module found.
int EntryPoint(host::Host* host, int message, void* appId);

}  // namespace starter
