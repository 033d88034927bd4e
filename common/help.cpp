// Help through WinHelp: a JumpID macro naming the module's help file.
#include "common/help.h"

#include "platform/files.h"
#include "platform/help.h"
#include "platform/modules.h"
#include "platform/path.h"

namespace common {
namespace {

// The viewer may read the macro after WinHelp returns, so it lives here.
std::string g_helpMacro;

bool IsProgramExtension(const std::string& ext) {
  if (ext.size() != 4 || ext[0] != '.') return false;
  const char* want = "exe";
  for (int i = 0; i < 3; ++i) {
    char c = ext[static_cast<std::size_t>(i) + 1];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != want[i]) return false;
  }
  return true;
}

}  // namespace

std::string HelpFilePathFor(const std::string& modulePath) {
  platform::PathParts parts = platform::SplitPath(modulePath);
  if (IsProgramExtension(parts.ext)) return platform::ReplaceExtension(modulePath, ".hlp");
  return parts.drive + parts.folder + "..\\" + parts.base + ".hlp";
}

std::string HelpMacro(const std::string& helpFile, const std::string& topic) {
  std::string plain = "JumpID(\"" + helpFile + "\",\"" + topic + "\")";
  std::string macro;
  macro.reserve(plain.size() + 16);
  for (char c : plain) {
    if (c == '\\' || c == '/')
      macro += "\\\\";
    else
      macro += c;
  }
  return macro;
}

void ShowHelpFor(void* window, const std::string& modulePath) {
  std::string helpFile = HelpFilePathFor(modulePath);
  if (platform::FileAttributes(helpFile) == platform::kInvalidFileAttributes) return;
  g_helpMacro = HelpMacro(helpFile, kHelpTopic);
  platform::OpenHelp(window, helpFile, platform::kHelpCommand, g_helpMacro.c_str());
}

void ShowHelp(void* window) { ShowHelpFor(window, platform::ThisModulePath()); }

}  // namespace common
