#include "manager/manager_actions.h"

#include "common/reglib_binding.h"
#ifndef ARVENLO_MANAGER_WITHOUT_MODEL
#include "model/dump.h"
#endif

namespace manager {

PMRunInfo MakeRunInfo(const CPMCommandLineInfo& info) {
  PMRunInfo run;
  run.m_strAcadKey = info.m_strAcadKey;
  run.m_strProfile = info.m_strProfile;
  run.m_strAcCL = info.m_strAcCL;
  run.m_bCreate = info.m_bCreate;
  run.m_astrApps = info.m_astrApps;
  return run;
}

void DefaultManagerActions::WriteDump(const std::string& path) {
#ifndef ARVENLO_MANAGER_WITHOUT_MODEL
  // Whether the file could be written is nobody's business but the reader's.
  model::WriteDumpFile(path);
#else
  (void)path;
#endif
}

void DefaultManagerActions::DeleteProfileAllAcads(const std::string& profile) {
  common::DeleteProfileAllAcads(profile);
}

void DefaultManagerActions::UnregAppInPManAllAcads(const std::string& app) {
  common::UnregAppInPManAllAcads(app);
}

}  // namespace manager
