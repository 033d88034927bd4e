#include "reglib/text_util.h"

#include <cstring>

namespace reglib {

std::string ToLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string ToUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) { return ToLower(a) == ToLower(b); }

std::string AfterLastBackslash(const std::string& text) {
  std::size_t at = text.rfind('\\');
  return at == std::string::npos ? text : text.substr(at + 1);
}

std::string BeforeLastBackslash(const std::string& text) {
  std::size_t at = text.rfind('\\');
  return at == std::string::npos ? text : text.substr(0, at);
}

void CopyOut(char* buffer, const std::string& text) {
  if (buffer) std::memcpy(buffer, text.c_str(), text.size() + 1);
}

}  // namespace reglib
