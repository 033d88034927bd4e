// How a module finds its host: the host program's one exported function
// (host::kHostInterfaceExport), looked up once. Tests that run a module's
// logic without a host program install a host of their own instead.
#pragma once

#include "host/host.h"

namespace host {

// The host, or null when the running program offers none.
Host* Get();

// Replaces the host that Get() returns (null to look it up again). For
// tests, and for a host program that links a module's code directly.
void Install(Host* replacement);

}  // namespace host
