#include "reglib/ini_reader.h"

#include <vector>

#include "platform/ini.h"
#include "reglib/paths.h"
#include "reglib/text_util.h"

namespace reglib {

std::string ExpandPlaceholders(const std::string& text, const PlaceholderContext& context,
                               std::uint32_t bufferBytes) {
  struct Placeholder {
    const char* name;
    std::string value;
  };
  const Placeholder placeholders[] = {
      {"%ACAD_KEY%", ProductKeyPath(context.acadId)},
      {"%INI_PATH%", context.iniFolder},
      {"%LOADER_PATH%", context.loaderFolder},
  };
  std::string result = text;
  for (const Placeholder& p : placeholders) {
    std::size_t at = result.find(p.name);
    if (at == std::string::npos) continue;
    result.replace(at, std::string(p.name).size(), p.value);
    break;
  }
  if (bufferBytes > 0 && result.size() > bufferBytes - 1) result.resize(bufferBytes - 1);
  return result;
}

std::string IniSection::Text(const char* key, std::uint32_t bufferBytes) const {
  std::vector<char> buffer(bufferBytes + 1, '\0');
  platform::IniGetString(section_.c_str(), key, "", buffer.data(), bufferBytes, file_.c_str());
  return std::string(buffer.data());
}

std::string IniSection::Expanded(const char* key, const PlaceholderContext& context,
                                 std::uint32_t bufferBytes) const {
  return ExpandPlaceholders(Text(key, bufferBytes), context, bufferBytes);
}

int IniSection::Int(const char* key) const {
  return static_cast<int>(platform::IniGetInt(section_.c_str(), key, 0, file_.c_str()));
}

std::string IniFolder(const std::string& iniPath) { return BeforeLastBackslash(iniPath); }

}  // namespace reglib
