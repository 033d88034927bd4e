// The manager's view on Windows: real message boxes (wide-character API, so
// Russian stays readable under any ANSI code page) and the windowing set-up.
#pragma once

#include "manager/manager_ui.h"

namespace manager {

class Win32ManagerUi : public ManagerUi {
 public:
  ~Win32ManagerUi() override;
  void InitializeWindowing() override;
  void ShowMessage(const std::u16string& text, const std::u16string& caption,
                   std::uint32_t flags) override;

 private:
  bool m_bOleInitialized = false;
};

}  // namespace manager
