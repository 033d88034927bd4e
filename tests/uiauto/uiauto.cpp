#include "tests/uiauto/uiauto.h"

#include <tlhelp32.h>

#include <cwctype>

namespace uiauto {
namespace {

// A message box's text control, in Windows and in Wine.
constexpr int kMessageTextId = 0xFFFF;

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring ExeNameOf(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::wstring();
  std::wstring name;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == processId) {
      name = entry.szExeFile;
      break;
    }
  }
  CloseHandle(snapshot);
  // Some systems report a full path here.
  std::size_t slash = name.find_last_of(L"\\/");
  return slash == std::wstring::npos ? name : name.substr(slash + 1);
}

struct Search {
  const WindowQuery* query;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  const WindowQuery& query = *search->query;
  if (!IsWindowVisible(window)) return TRUE;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == GetCurrentProcessId()) return TRUE;
  if (query.processId != 0 && processId != query.processId) return TRUE;
  if (!query.caption.empty() && WindowText(window) != query.caption) return TRUE;
  if (!query.exeName.empty() && Lower(ExeNameOf(processId)) != Lower(query.exeName)) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
  auto* content = reinterpret_cast<WindowContent*>(param);
  if (GetParent(child) != content->window) return TRUE;  // direct children only
  std::wstring cls = Lower(ClassOf(child));
  if (cls == L"button") {
    content->buttons.push_back(WindowText(child));
  } else if (cls == L"static") {
    if (GetDlgCtrlID(child) == kMessageTextId) {
      content->message = WindowText(child);
    } else {
      std::wstring text = WindowText(child);
      if (!text.empty()) content->statics.push_back(text);
    }
  }
  return TRUE;
}

struct ButtonSearch {
  HWND parent;
  std::wstring label;  // empty: match by id
  int id;
  HWND found;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ButtonSearch*>(param);
  if (GetParent(child) != search->parent || Lower(ClassOf(child)) != L"button") return TRUE;
  if (search->label.empty()) {
    if (GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
  }
  std::wstring text;
  for (wchar_t c : WindowText(child))
    if (c != L'&') text += c;
  if (Lower(text) != Lower(search->label)) return TRUE;
  search->found = child;
  return FALSE;
}

void AppendEscaped(std::string& out, const std::string& utf8) {
  for (char c : utf8) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c; break;
    }
  }
}

void AppendLine(std::string& out, const char* key, const std::wstring& value) {
  out += key;
  out += '=';
  AppendEscaped(out, ToUtf8(value));
  out += '\n';
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                  0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), bytes,
                      nullptr, nullptr);
  return out;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    Search search = {&query, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(50);
  }
}

WindowContent ReadWindow(HWND window) {
  WindowContent content;
  content.window = window;
  content.className = ClassOf(window);
  content.caption = WindowText(window);
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&content));
  return content;
}

namespace {

bool Press(HWND window, ButtonSearch search) {
  EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  const int id = GetDlgCtrlID(search.found);
  return PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(search.found)) != FALSE;
}

}  // namespace

bool PressButton(HWND window, const std::wstring& label) {
  if (label.empty()) return false;
  return Press(window, {window, label, 0, nullptr});
}

bool PressButtonId(HWND window, int id) { return Press(window, {window, std::wstring(), id, nullptr}); }

std::string Describe(const WindowContent& content) {
  std::string out;
  AppendLine(out, "caption", content.caption);
  AppendLine(out, "class", content.className);
  AppendLine(out, "text", content.message);
  for (const std::wstring& text : content.statics) AppendLine(out, "static", text);
  for (const std::wstring& button : content.buttons) AppendLine(out, "button", button);
  return out;
}

}  // namespace uiauto
