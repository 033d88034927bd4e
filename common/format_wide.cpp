// A small printf of our own for UTF-16 messages: the C library's wide
// printf works on wchar_t, which is not 16 bits wide everywhere.
#include "common/format_wide.h"

#include <string>

namespace common {

std::u16string FormatWide(const std::u16string& format,
                          std::initializer_list<std::u16string> arguments) {
  std::u16string out;
  out.reserve(format.size());
  auto next = arguments.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    char16_t c = format[i];
    if (c != u'%' || i + 1 == format.size()) {
      out += c;
      continue;
    }
    char16_t kind = format[i + 1];
    if (kind == u'%') {
      out += u'%';
      ++i;
    } else if (kind == u's' || kind == u'd') {
      if (next != arguments.end()) out += *next++;
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::u16string DecimalWide(long long number) {
  std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace common
