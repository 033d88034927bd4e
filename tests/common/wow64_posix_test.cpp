// The WOW64 test over the kinds of process the posix backend can play.
#include <gtest/gtest.h>

#include "common/wow64.h"
#include "platform/posix/simulation.h"

namespace {

using platform::posix::ProcessKind;

TEST(IsWow64, OnlyA32BitProcessOn64BitWindows) {
  const std::pair<ProcessKind, bool> cases[] = {
      {ProcessKind::k64BitProcess, false},
      {ProcessKind::k32BitOnWow64, true},
      {ProcessKind::k32BitOn32BitWindows, false},
  };
  for (const auto& [kind, expected] : cases) {
    platform::posix::SimulateProcess(kind);
    EXPECT_EQ(common::IsWow64(), expected) << static_cast<int>(kind);
  }
  platform::posix::SimulateProcess(ProcessKind::k64BitProcess);
}

}  // namespace
