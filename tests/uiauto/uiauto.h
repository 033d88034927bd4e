// Finds a program's top-level window on the desktop, reads what a person
// would read in it (caption, texts, button labels) and presses one of its
// buttons: GUI tests look at real windows this way, under Wine on an X
// server of their own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uiauto {

// Which window to wait for; empty fields match anything. Only visible
// top-level windows count.
struct WindowQuery {
  std::wstring exeName;  // file name of the owning process, e.g. L"Arvenlo.exe" (any case)
  DWORD processId = 0;
  std::wstring caption;  // the exact caption
};

struct WindowContent {
  HWND window = nullptr;
  std::wstring className;
  std::wstring caption;
  std::wstring message;               // a message box's text (the static control 0xFFFF)
  std::vector<std::wstring> statics;  // other non-empty static texts, in child order
  std::vector<std::wstring> buttons;  // button labels as they stand (with any '&')
};

// The first matching window, waiting up to `timeoutMs`; null on timeout.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs);

WindowContent ReadWindow(HWND window);

// Presses the button whose label, without '&', equals `label` (any case), as
// a click does: the parent receives WM_COMMAND with the button's id and
// BN_CLICKED. False when there is no such button.
bool PressButton(HWND window, const std::wstring& label);

// The same for the button with control id `id` (IDOK is 1): labels change
// with the system's language, ids do not.
bool PressButtonId(HWND window, int id);

// The content as UTF-8 lines "key=value" (caption, class, text, static,
// button), with '\' written as "\\" and CR, LF and tab as "\r", "\n", "\t",
// so that each field is one line and compares byte for byte.
std::string Describe(const WindowContent& content);

std::string ToUtf8(const std::wstring& text);

}  // namespace uiauto
