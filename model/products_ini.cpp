#include "model/products_ini.h"

#include <vector>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/modules.h"
#include "platform/path.h"
#include "model/registry_paths.h"

namespace model {
namespace {

// Every section name of the file, in file order, read into a buffer as long
// as the file.
std::vector<std::string> SectionNames(const std::string& iniPath, std::size_t fileLength) {
  std::vector<char> buffer(fileLength + 2, '\0');
  platform::IniGetSectionNames(buffer.data(), static_cast<std::uint32_t>(fileLength),
                               iniPath.c_str());
  std::vector<std::string> names;
  for (const char* p = buffer.data(); *p != '\0' && p < buffer.data() + fileLength;) {
    names.emplace_back(p);
    p += names.back().size() + 1;
  }
  return names;
}

}  // namespace

std::string ProductsIniPath() {
  return platform::FolderOf(platform::ThisModulePath()) + "Products.ini";
}

int PlatformMode(const std::string& section) {
  if (section.find("\\x32") != std::string::npos) return 3;
  if (section.find("\\x64") != std::string::npos) return 4;
  return 2;
}

void RunProductsIni(const std::vector<PMAcad>& acads, Registration& registration,
                    const std::string& iniPath) {
  std::string contents;
  if (iniPath.empty() || !platform::ReadWholeFile(iniPath, &contents)) return;
  std::vector<PMAcadKey> keys;
  for (const PMAcad& acad : acads) keys.push_back({acad.m_strKey, acad.m_nView});

  // The release of the id: without its last backslash for Platform
  // sections, with it for Products sections (so R16 does not match R16.0).
  std::vector<std::string> sections = SectionNames(iniPath, contents.size());
  for (const PMAcadKey& key : keys) {
    const std::string id = AcadId(key.m_strKey);
    const std::size_t slash = id.rfind('\\');
    const std::string pattern =
        "Platform\\" + (slash == std::string::npos ? std::string() : id.substr(0, slash));
    for (const std::string& section : sections) {
      if (section.find(pattern) != std::string::npos)
        registration.SetupPManIni(PlatformMode(section), id, iniPath, section, 0);
    }
  }
  sections = SectionNames(iniPath, contents.size());
  for (const PMAcadKey& key : keys) {
    const std::string id = AcadId(key.m_strKey);
    const std::size_t slash = id.rfind('\\');
    const std::string pattern =
        "Products\\" + (slash == std::string::npos ? std::string() : id.substr(0, slash + 1));
    for (const std::string& section : sections) {
      if (section.find(pattern) != std::string::npos)
        registration.RegisterAppInPManIniEx(2, id, iniPath, section, 0);
    }
  }
}

}  // namespace model
