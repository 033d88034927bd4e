// Conversions between the ANSI code page, UTF-8 and UTF-16. The core keeps
// texts in the ANSI code page (as the registry, the ini files and the
// library do); what is shown to a person goes through UTF-16.
#pragma once

#include <string>

namespace platform {

std::string WideToAnsi(const std::u16string& text);
std::u16string AnsiToWide(const std::string& text);
std::string WideToUtf8(const std::u16string& text);
std::u16string Utf8ToWide(const std::string& text);

}  // namespace platform
