#include "model/menu_files.h"

#include <cctype>

#include "platform/files.h"

namespace model {
namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  std::size_t i = 0;
  for (; prefix[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

}  // namespace

bool ReadTextLines(const std::string& path, std::vector<std::string>* lines) {
  std::string contents;
  if (!platform::ReadWholeFile(path, &contents)) return false;
  lines->clear();
  std::size_t from = 0;
  while (from < contents.size()) {
    std::size_t end = contents.find('\n', from);
    if (end == std::string::npos) end = contents.size();
    std::string line = contents.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines->push_back(std::move(line));
    from = end + 1;
  }
  return true;
}

int PopNumber(const std::string& line) {
  if (!StartsWithNoCase(line, "***POP")) return -1;
  int number = 0;
  for (std::size_t i = 6; i < line.size() && i < 9; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(line[i]))) break;
    number = number * 10 + (line[i] - '0');
  }
  return number;
}

std::size_t ReadPopNumbers(const std::string& menuFile, std::vector<int>& numbers) {
  std::vector<std::string> lines;
  if (!ReadTextLines(menuFile, &lines)) return 0;
  numbers.clear();
  for (const std::string& line : lines) {
    int number = PopNumber(line);
    if (number >= 1 && number < 500) numbers.push_back(number);
  }
  return numbers.size();
}

std::size_t ReadPopTitles(const std::string& menuFile, std::vector<std::string>& titles) {
  std::vector<std::string> lines;
  if (!ReadTextLines(menuFile, &lines)) return 0;
  titles.clear();
  bool waitingForTitle = false;
  for (const std::string& line : lines) {
    if (waitingForTitle) {
      std::size_t open = line.find('[');
      std::size_t close = open == std::string::npos ? open : line.find(']', open + 1);
      if (close != std::string::npos) {
        titles.push_back(line.substr(open + 1, close - open - 1));
        waitingForTitle = false;
      }
    }
    if (PopNumber(line) > 499) waitingForTitle = true;
  }
  return titles.size();
}

std::size_t ReadShowToolbars(const std::string& menuFile, std::vector<std::string>& toolbars) {
  std::vector<std::string> lines;
  if (!ReadTextLines(menuFile, &lines)) return 0;
  toolbars.clear();
  bool inSection = false;
  std::string lastName;
  for (const std::string& line : lines) {
    if (inSection && line.compare(0, 3, "***") == 0) break;
    if (line.find("***TOOLBARS") != std::string::npos) {
      inSection = true;
      continue;
    }
    if (inSection) {
      std::size_t call = line.find("_Toolbar(\"");
      if (call != std::string::npos) {
        std::size_t open = call + 9;
        std::size_t close = line.find('"', open + 1);
        if (close != std::string::npos) lastName = line.substr(open + 1, close - open - 1);
      }
    }
    if (StartsWithNoCase(line, "// Arvenlo:ShowToolbar")) toolbars.push_back(lastName);
  }
  return toolbars.size();
}

}  // namespace model
