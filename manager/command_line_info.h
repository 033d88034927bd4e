// The manager's command line: one job per start, chosen by the switches.
// ParseParam sees one argument at a time, already split and classified
// (switch or value) by ParseCommandLine; it never reports anything, so an
// unknown switch or a stray value only makes the values after it ignored
// until the next known switch.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace manager {

// The prefix that turns an AutoCAD Id into its product key path.
inline constexpr std::string_view kAutodeskKeyPrefix = "Software\\Autodesk\\";

class CPMCommandLineInfo {
 public:
  // What the next plain argument is (see ParseParam).
  enum Expect : std::int32_t {
    kExpectNothing = -1,
    kExpectIgnored = 0,
    kExpectAfterRun = 1,
    kExpectAcadId = 2,
    kExpectProfile = 3,
    kExpectApps = 4,
    kExpectDumpFile = 5,
    kExpectAcSSE = 6,
    kExpectDelProfile = 7,
    kExpectUnregApp = 8,
    kExpectInstName = 9,
  };

  std::int32_t m_nExpect = kExpectNothing;
  bool m_bArgs = false;
  bool m_bRun = false;
  std::string m_strAcadKey;  // "Software\Autodesk\" + the AutoCAD Id
  std::string m_strProfile;
  bool m_bDump = false;
  std::string m_strDumpFile;
  bool m_bAcCL = false;
  std::string m_strAcCL;  // pass-through text; begins with a blank when not empty
  bool m_bCreate = false;
  std::vector<std::string> m_astrApps;
  std::string m_strAcSSE;
  std::string m_strDelProfile;
  std::string m_strUnregApp;
  std::string m_strInstName;

  virtual ~CPMCommandLineInfo() = default;

  // One argument: `text` without its leading '-' or '/' when `isSwitch`.
  // `isLast` tells whether it is the last argument (not needed here).
  virtual void ParseParam(std::string_view text, bool isSwitch, bool isLast);

 private:
  void AppendPassThrough(std::string_view text, bool isSwitch);
  void ParseSwitch(std::string_view name);
  void ParseValue(std::string_view value);
};

// Feeds every argument (the program name not included) to `info`: an
// argument beginning with '-' or '/' is a switch without that character,
// anything else a value.
void ParseCommandLine(const std::vector<std::string>& args, CPMCommandLineInfo& info);

}  // namespace manager
