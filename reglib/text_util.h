// Small text helpers of the library. Letter case is folded for ASCII
// letters only, as the C library does in its default locale.
#pragma once

#include <string>

namespace reglib {

inline bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

std::string ToLower(std::string text);
std::string ToUpper(std::string text);
bool EqualsNoCase(const std::string& a, const std::string& b);

// The text of a possibly null pointer ("" for null).
inline std::string Text(const char* text) { return text ? std::string(text) : std::string(); }
inline bool Given(const char* text) { return text != nullptr && *text != '\0'; }

// What follows the last backslash; npos-safe (whole text when there is none).
std::string AfterLastBackslash(const std::string& text);
// Up to, not including, the last backslash; the whole text when there is none.
std::string BeforeLastBackslash(const std::string& text);

// Copies a text into a caller's buffer whose size the caller vouched for.
void CopyOut(char* buffer, const std::string& text);

}  // namespace reglib
