#include "reglib/support_list.h"

#include <vector>

#include "reglib/text_util.h"

namespace reglib {
namespace {

struct Entry {
  std::size_t begin;
  std::size_t end;
};

std::vector<Entry> Entries(const std::string& list) {
  std::vector<Entry> entries;
  std::size_t start = 0;
  for (;;) {
    std::size_t semi = list.find(';', start);
    std::size_t end = semi == std::string::npos ? list.size() : semi;
    entries.push_back({start, end});
    if (semi == std::string::npos) break;
    start = semi + 1;
  }
  return entries;
}

}  // namespace

bool FindEntries(const std::string& list, const std::string& folders, std::size_t* begin,
                 std::size_t* end) {
  if (folders.empty()) return false;
  const std::string haystack = ToLower(list);
  const std::string needle = ToLower(folders);
  const std::vector<Entry> entries = Entries(haystack);
  const std::size_t count = Entries(needle).size();
  for (std::size_t i = 0; i + count <= entries.size(); ++i) {
    std::size_t from = entries[i].begin;
    std::size_t to = entries[i + count - 1].end;
    if (haystack.compare(from, to - from, needle) == 0) {
      *begin = from;
      *end = to;
      return true;
    }
  }
  return false;
}

bool WithFolders(const std::string& list, const std::string& folders, std::string* result) {
  std::size_t begin = 0, end = 0;
  if (folders.empty() || FindEntries(list, folders, &begin, &end)) return false;
  *result = folders + ";" + list;
  return true;
}

bool WithoutFolders(const std::string& list, const std::string& folders, std::string* result) {
  std::size_t begin = 0, end = 0;
  if (!FindEntries(list, folders, &begin, &end)) return false;
  if (end < list.size() && list[end] == ';') ++end;
  *result = list.substr(0, begin) + list.substr(end);
  return true;
}

}  // namespace reglib
