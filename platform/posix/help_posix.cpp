// The help viewer on posix: there is none. The request is recorded so that
// tests can see what would have been opened.
#include "platform/help.h"
#include "platform/posix/help_simulation.h"

namespace platform {
namespace {
std::optional<posix::HelpRequest> g_last;
}  // namespace

bool OpenHelp(void* window, const std::string& helpFile, std::uint32_t command, const char* data) {
  posix::HelpRequest request;
  request.window = window;
  request.helpFile = helpFile;
  request.command = command;
  request.data = data ? data : "";
  request.dataPointer = data;
  g_last = request;
  return true;
}

namespace posix {
std::optional<HelpRequest> LastHelpRequest() { return g_last; }
void ClearHelpRequests() { g_last.reset(); }
}  // namespace posix

}  // namespace platform
