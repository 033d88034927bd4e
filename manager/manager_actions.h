// The jobs of one start of the manager, as the dispatch hands them out. The
// page and the launch are built on the model and the page; until they are
// wired in, DefaultManagerActions does nothing for them and shows nothing.
// The dump goes to the model, the maintenance requests straight to the
// registration library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "manager/command_line_info.h"

namespace manager {

// The launch request handed from start-up to the launch.
struct PMRunInfo {
  std::string m_strAcadKey;   // full product key path ("Software\Autodesk\...")
  std::string m_strProfile;
  std::string m_strPipeName;  // empty unless a hand-off at first start was prepared
  std::string m_strAcCL;      // pass-through text for the host's command line
  bool m_bCreate = false;
  std::vector<std::string> m_astrApps;
};

// The launch request of a parsed command line (no pipe yet).
PMRunInfo MakeRunInfo(const CPMCommandLineInfo& info);

class ManagerActions {
 public:
  virtual ~ManagerActions() = default;

  // No argument at all: show the page, one page per desktop. Returns the
  // exit code.
  virtual std::int32_t RunInteractive() = 0;

  // A run request with -AcSSE: the hand-off client for `instance` (the
  // -InstName value, else the profile name). When an AutoCAD that serves
  // this instance already runs, the command string goes to it and the
  // result is the exit code (0, or 1 to 3 for a failed hand-off): start-up
  // ends there. Nothing means AutoCAD is to be started; the pipe name to
  // serve is then in `run.m_strPipeName`.
  virtual std::optional<std::int32_t> HandOff(const std::string& instance,
                                              const std::string& acadKey,
                                              const std::string& commandString,
                                              PMRunInfo& run) = 0;

  // Loads the model and runs AutoCAD with `run`, returning when it has
  // ended or at once when the launch fails: a PMRunResult (0 to 5).
  virtual std::int32_t RunAcad(const PMRunInfo& run) = 0;

  // -d: write the diagnostic dump of the model into `path` (created or
  // truncated); a file that cannot be opened is ignored.
  virtual void WriteDump(const std::string& path) = 0;

  // -dp / -ua through the registration library; nothing when it is missing.
  virtual void DeleteProfileAllAcads(const std::string& profile) = 0;
  virtual void UnregAppInPManAllAcads(const std::string& app) = 0;
};

// The actions as far as they exist: the dump and the maintenance requests
// do their work; the page and the launch do nothing (exit code 0) until they
// are overridden.
class DefaultManagerActions : public ManagerActions {
 public:
  std::int32_t RunInteractive() override { return 0; }
  std::optional<std::int32_t> HandOff(const std::string&, const std::string&, const std::string&,
                                      PMRunInfo&) override {
    return std::nullopt;
  }
  std::int32_t RunAcad(const PMRunInfo&) override { return 0; }
  void WriteDump(const std::string& path) override;
  void DeleteProfileAllAcads(const std::string& profile) override;
  void UnregAppInPManAllAcads(const std::string& app) override;
};

}  // namespace manager
