#include "manager/command_line_split.h"

#include <cstddef>

namespace manager {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::vector<std::u16string> SplitCommandLine(std::u16string_view line) {
  std::vector<std::u16string> args;
  if (line.empty()) return args;

  std::size_t i = 0;
  // The program name: quotes only delimit it, backslashes are plain.
  std::u16string program;
  if (line[0] == u'"') {
    ++i;
    while (i < line.size() && line[i] != u'"') program += line[i++];
    if (i < line.size()) ++i;  // the closing quote
  } else {
    while (i < line.size() && !IsBlank(line[i])) program += line[i++];
  }
  args.push_back(std::move(program));

  while (i < line.size() && IsBlank(line[i])) ++i;

  // The other arguments. `quotes` counts quotes as the Windows parser does:
  // odd means inside a quoted part.
  std::u16string current;
  bool inArg = false;
  std::size_t backslashes = 0;
  int quotes = 0;
  while (i < line.size()) {
    const char16_t c = line[i];
    if (IsBlank(c) && quotes % 2 == 0) {
      if (inArg) {
        args.push_back(std::move(current));
        current.clear();
        inArg = false;
      }
      backslashes = 0;
      quotes = 0;
      ++i;
      continue;
    }
    inArg = true;
    if (c == u'\\') {
      current += c;
      ++backslashes;
      ++i;
    } else if (c == u'"') {
      if (backslashes % 2 == 0) {
        current.resize(current.size() - backslashes / 2);
        ++quotes;
      } else {
        current.resize(current.size() - backslashes / 2 - 1);
        current += u'"';
      }
      backslashes = 0;
      ++i;
      while (i < line.size() && line[i] == u'"') {
        if (++quotes == 3) {
          current += u'"';
          quotes = 0;
        }
        ++i;
      }
      if (quotes == 2) quotes = 0;
    } else {
      current += c;
      backslashes = 0;
      ++i;
    }
  }
  if (inArg) args.push_back(std::move(current));
  return args;
}

}  // namespace manager
