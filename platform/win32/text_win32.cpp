// Text conversions on Windows: the system's own code-page tables.
#include <windows.h>

#include "platform/text.h"

namespace platform {
namespace {

std::string FromWide(const std::u16string& text, UINT codePage) {
  if (text.empty()) return std::string();
  auto wide = reinterpret_cast<LPCWCH>(text.data());
  int length = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), out.data(), length,
                      nullptr, nullptr);
  return out;
}

std::u16string ToWide(const std::string& text, UINT codePage) {
  if (text.empty()) return std::u16string();
  int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string out(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<LPWSTR>(out.data()), length);
  return out;
}

}  // namespace

std::string WideToAnsi(const std::u16string& text) { return FromWide(text, CP_ACP); }
std::u16string AnsiToWide(const std::string& text) { return ToWide(text, CP_ACP); }
std::string WideToUtf8(const std::u16string& text) { return FromWide(text, CP_UTF8); }
std::u16string Utf8ToWide(const std::string& text) { return ToWide(text, CP_UTF8); }

}  // namespace platform
