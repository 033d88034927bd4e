// What the manager shows a person, and the start-up work that depends on the
// windowing system. The Win32 view implements it with real windows; tests
// record what would have been shown.
#pragma once

#include <cstdint>
#include <string>

namespace manager {

// Message box styles: the Windows MB_* values.
inline constexpr std::uint32_t kMessageOk = 0x0;  // one OK button, no icon

class ManagerUi {
 public:
  virtual ~ManagerUi() = default;

  // Common controls and OLE for the windows to come; failures are ignored.
  virtual void InitializeWindowing() = 0;

  // A message box with the resource's own UTF-16 text, so it reads the same
  // whatever the ANSI code page.
  virtual void ShowMessage(const std::u16string& text, const std::u16string& caption,
                           std::uint32_t flags) = 0;
};

}  // namespace manager
