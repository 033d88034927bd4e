// The WOW64 test. The entry point is looked up once by the platform layer
// when the module starts; it may be missing on old systems.
#include "common/wow64.h"

#include "platform/system.h"

namespace common {

bool IsWow64() { return platform::IsWow64(); }

}  // namespace common
