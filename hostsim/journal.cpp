#include "hostsim/journal.h"

#include <cstdio>
#include <mutex>

namespace hostsim {

namespace {
std::FILE* g_file = nullptr;
std::mutex g_mutex;  // the watchdog thread writes its line too
}  // namespace

void OpenJournal(const std::string& path) {
  if (path.empty()) return;
  g_file = std::fopen(path.c_str(), "ab");
}

void Journal(const std::string& event, const std::string& text) {
  std::string line = event + ": ";
  for (char c : text) {
    if (c == '\n')
      line += "\\n";
    else if (c == '\r')
      line += "\\r";
    else
      line += c;
  }
  line += '\n';
  std::lock_guard<std::mutex> lock(g_mutex);
  if (!g_file) return;
  std::fwrite(line.data(), 1, line.size(), g_file);
  std::fflush(g_file);
}

void CloseJournal() {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (g_file) std::fclose(g_file);
  g_file = nullptr;
}

}  // namespace hostsim
