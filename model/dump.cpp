#include "model/dump.h"

#include <cstdio>
#include <sstream>

#include "model/loading.h"

namespace model {
namespace {

void List(std::ostream& out, const char* title, const std::vector<std::string>& items) {
  out << "    " << title << '\n';
  for (const std::string& item : items) out << "      " << item << '\n';
}

}  // namespace

void DumpModel(std::ostream& out, const std::vector<PMAcad>& acads) {
  for (const PMAcad& acad : acads) {
    out << acad.m_strName << ": " << acad.m_strKey << '\n';
    out << "Current Profile: " << acad.m_strCurProfile << '\n';
    out << "Profiles:" << '\n';
    for (const PMAcadProfile& profile : acad.m_profiles) {
      out << "  " << profile.m_strName << '\n';
      out << "    AppLinks:" << '\n';
      for (const PMAcadAppLink& link : profile.m_links) {
        if (link.m_nState != kLinkEnabled) continue;
        out << "      " << link.m_strApp << '\n';
        out << "        StdLoadOrder=" << link.m_nStdLoadOrder << '\n';
        out << "        LoadOrder=" << link.m_nLoadOrder << '\n';
        out << "        MenuLoaded=" << link.m_nMenuLoaded << '\n';
      }
    }
    out << "Applications:" << '\n';
    for (const PMApplication& app : acad.m_apps) {
      out << "  " << app.m_strName << '\n';
      List(out, "Loaders", app.m_astrLoaders);
      List(out, "Modules", app.m_astrModules);
      List(out, "CommandGroups", app.m_astrCommandGroups);
      List(out, "MenuGroups", app.m_astrMenuGroups);
      List(out, "MenuFiles", app.m_astrMenuFiles);
      out << "    Template" << '\n';
      out << "      " << app.m_strTemplate << '\n';
      out << "    StdLoadOrder=" << app.m_nStdLoadOrder << '\n';
      out << "    Unloadable=" << app.m_bUnloadable << '\n';
    }
    out << '\n';
  }
}

std::string DumpModel(const std::vector<PMAcad>& acads) {
  std::ostringstream out;
  DumpModel(out, acads);
  return out.str();
}

bool WriteDumpFile(const std::string& path) {
  // Opened before the load, as the manager only loads when it has somewhere
  // to write to. Binary mode: the lines end with a line feed alone.
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::vector<PMAcad> acads;
  LoadModel(acads);
  const std::string text = DumpModel(acads);
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

}  // namespace model
