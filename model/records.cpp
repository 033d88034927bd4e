#include "model/records.h"

#include <unordered_map>

namespace model {
namespace {

// Re-points links that pointed into `from`'s applications at the entry with
// the same index in `to`'s.
void RepointLinks(const PMAcad& from, PMAcad& to) {
  const PMApplication* begin = from.m_apps.data();
  const PMApplication* end = begin + from.m_apps.size();
  for (auto& profile : to.m_profiles) {
    for (auto& link : profile.m_links) {
      if (link.m_pApp != nullptr && link.m_pApp >= begin && link.m_pApp < end)
        link.m_pApp = &to.m_apps[static_cast<std::size_t>(link.m_pApp - begin)];
    }
  }
}

}  // namespace

PMAcad::PMAcad(const PMAcad& other)
    : m_strName(other.m_strName),
      m_strKey(other.m_strKey),
      m_nView(other.m_nView),
      m_strExe(other.m_strExe),
      m_strCurProfile(other.m_strCurProfile),
      m_apps(other.m_apps),
      m_profiles(other.m_profiles) {
  RepointLinks(other, *this);
}

PMAcad& PMAcad::operator=(const PMAcad& other) {
  if (this != &other) {
    m_strName = other.m_strName;
    m_strKey = other.m_strKey;
    m_nView = other.m_nView;
    m_strExe = other.m_strExe;
    m_strCurProfile = other.m_strCurProfile;
    m_apps = other.m_apps;
    m_profiles = other.m_profiles;
    RepointLinks(other, *this);
  }
  return *this;
}

void PMAcad::RelinkApps() {
  std::unordered_map<std::string, const PMApplication*> byName;
  byName.reserve(m_apps.size());
  for (const auto& app : m_apps) byName.emplace(app.m_strName, &app);
  for (auto& profile : m_profiles) {
    for (auto& link : profile.m_links) {
      auto found = byName.find(link.m_strApp);
      link.m_pApp = found == byName.end() ? nullptr : found->second;
    }
  }
}

}  // namespace model
