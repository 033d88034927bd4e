// Process and system facts for the posix backend: there is no Windows here,
// so the answers are what a test asked to play (simulation.h). The kind of
// process also decides which registry views the in-memory registry offers.

#include <atomic>

#include "platform/posix/simulation.h"
#include "platform/system.h"

namespace platform {
namespace {

std::atomic<posix::ProcessKind> g_processKind{posix::ProcessKind::k64BitProcess};
std::atomic<std::uint32_t> g_userDefaultLcid{1033};  // English (United States)

}  // namespace

bool IsWow64() { return posix::SimulatedProcess() == posix::ProcessKind::k32BitOnWow64; }

bool Is64BitWindows() {
  return posix::SimulatedProcess() != posix::ProcessKind::k32BitOn32BitWindows;
}

std::uint32_t UserDefaultLcid() { return g_userDefaultLcid.load(); }

// Native texts are UTF-8, so the "ANSI" code page is UTF-8's.
std::uint32_t AnsiCodePage() { return 65001; }

namespace posix {

void SimulateProcess(ProcessKind kind) { g_processKind.store(kind); }
ProcessKind SimulatedProcess() { return g_processKind.load(); }

void SetUserDefaultLcid(std::uint32_t lcid) { g_userDefaultLcid.store(lcid); }

}  // namespace posix
}  // namespace platform
