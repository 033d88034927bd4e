// uiauto.exe: the window automation for test scripts.
//
//   uiauto.exe [--exe NAME] [--pid N] [--caption TEXT] [--timeout MS]
//              [--out FILE] [--press LABEL | --press-id ID]
//
// Waits for a visible top-level window that matches, writes its content
// (see Describe) as UTF-8 to FILE or to standard output, then presses the
// button LABEL (or the button with control id ID) if asked. Exit code: 0 done, 1 bad arguments, 2 no such
// window in time, 3 no such button, 4 the output could not be written.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "tests/uiauto/uiauto.h"

namespace {

bool WriteAll(HANDLE handle, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool WriteOut(const std::wstring& path, const std::string& bytes) {
  if (path.empty()) return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, bytes);
  CloseHandle(file);
  return ok;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 1;

  uiauto::WindowQuery query;
  DWORD timeoutMs = 20000;
  std::wstring out, press;
  int pressId = 0;
  for (int i = 1; i < argc; ++i) {
    std::wstring option = argv[i];
    if (i + 1 >= argc) return 1;
    std::wstring value = argv[++i];
    if (option == L"--exe") query.exeName = value;
    else if (option == L"--pid") query.processId = static_cast<DWORD>(std::wcstoul(value.c_str(), nullptr, 10));
    else if (option == L"--caption") query.caption = value;
    else if (option == L"--timeout") timeoutMs = static_cast<DWORD>(std::wcstoul(value.c_str(), nullptr, 10));
    else if (option == L"--out") out = value;
    else if (option == L"--press") press = value;
    else if (option == L"--press-id") pressId = static_cast<int>(std::wcstol(value.c_str(), nullptr, 10));
    else return 1;
  }
  LocalFree(argv);

  HWND window = uiauto::WaitForWindow(query, timeoutMs);
  if (!window) return 2;
  const uiauto::WindowContent content = uiauto::ReadWindow(window);
  if (!WriteOut(out, uiauto::Describe(content))) return 4;
  if (!press.empty() && !uiauto::PressButton(window, press)) return 3;
  if (pressId != 0 && !uiauto::PressButtonId(window, pressId)) return 3;
  return 0;
}
