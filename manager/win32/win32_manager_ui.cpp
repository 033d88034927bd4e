// Win32 view of the manager: nothing here decides anything; it only shows
// what start-up hands over.
#include "manager/win32/win32_manager_ui.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

namespace manager {

static_assert(kMessageOk == MB_OK, "message styles are the Windows values");

Win32ManagerUi::~Win32ManagerUi() {
  if (m_bOleInitialized) OleUninitialize();
}

void Win32ManagerUi::InitializeWindowing() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  if (!InitCommonControlsEx(&controls)) InitCommonControls();
  // OLE is for drag-and-drop and shell links; a failure only costs those.
  m_bOleInitialized = SUCCEEDED(OleInitialize(nullptr));
}

void Win32ManagerUi::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                 std::uint32_t flags) {
  MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.c_str()),
              reinterpret_cast<LPCWSTR>(caption.c_str()), flags);
}

}  // namespace manager
