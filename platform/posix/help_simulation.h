// What the posix help "viewer" was last asked to do. Tests only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform::posix {

struct HelpRequest {
  void* window = nullptr;
  std::string helpFile;
  std::uint32_t command = 0;
  std::string data;      // the text `data` pointed to, copied
  const char* dataPointer = nullptr;  // the pointer itself, to check it outlives the call
};

std::optional<HelpRequest> LastHelpRequest();
void ClearHelpRequests();

}  // namespace platform::posix
