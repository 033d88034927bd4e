#include "manager/command_line_info.h"

#include <cstddef>

namespace manager {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Switch names are ASCII; anything else in them simply does not match.
bool SameSwitch(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// A value with a blank in it would fall apart into several arguments on the
// host's command line, so it is passed on in quotes. A tab splits it just the
// same, so it counts as a blank too.
bool HasBlank(std::string_view value) { return value.find_first_of(" \t") != std::string_view::npos; }

}  // namespace

void CPMCommandLineInfo::ParseParam(std::string_view text, bool isSwitch, bool /*isLast*/) {
  m_bArgs = true;
  if (m_bAcCL) {
    AppendPassThrough(text, isSwitch);
  } else if (isSwitch) {
    ParseSwitch(text);
  } else {
    ParseValue(text);
  }
}

void CPMCommandLineInfo::AppendPassThrough(std::string_view text, bool isSwitch) {
  // Every switch goes on with '/', whichever character it came with.
  if (isSwitch) {
    m_strAcCL += " /";
    m_strAcCL += text;
  } else if (HasBlank(text)) {
    m_strAcCL += " \"";
    m_strAcCL += text;
    m_strAcCL += '"';
  } else {
    m_strAcCL += ' ';
    m_strAcCL += text;
  }
}

void CPMCommandLineInfo::ParseSwitch(std::string_view name) {
  // The order matters only for reading: names are compared whole.
  if (SameSwitch(name, "r")) {
    m_nExpect = kExpectAfterRun;
    m_bRun = true;
  } else if (SameSwitch(name, "a")) {
    m_nExpect = kExpectAcadId;
  } else if (SameSwitch(name, "p")) {
    m_nExpect = kExpectProfile;
  } else if (SameSwitch(name, "c")) {
    m_bCreate = true;  // takes no value: what comes next stays as it was
  } else if (SameSwitch(name, "g")) {
    m_nExpect = kExpectApps;
  } else if (SameSwitch(name, "d")) {
    m_nExpect = kExpectDumpFile;
  } else if (SameSwitch(name, "AcSSE")) {
    m_nExpect = kExpectAcSSE;
  } else if (SameSwitch(name, "dp")) {
    m_nExpect = kExpectDelProfile;
  } else if (SameSwitch(name, "ua")) {
    m_nExpect = kExpectUnregApp;
  } else if (SameSwitch(name, "AcCL")) {
    m_bAcCL = true;
  } else if (SameSwitch(name, "InstName")) {
    m_nExpect = kExpectInstName;
  } else {
    m_nExpect = kExpectIgnored;
  }
}

void CPMCommandLineInfo::ParseValue(std::string_view value) {
  switch (m_nExpect) {
    case kExpectAcadId:
      m_strAcadKey.assign(kAutodeskKeyPrefix);
      m_strAcadKey += value;
      m_nExpect = kExpectNothing;
      break;
    case kExpectProfile:
      m_strProfile.assign(value);
      m_nExpect = kExpectNothing;
      break;
    case kExpectApps:
      m_astrApps.emplace_back(value);
      break;
    case kExpectDumpFile:
      m_strDumpFile.assign(value);
      m_bDump = true;
      m_nExpect = kExpectNothing;
      break;
    case kExpectAcSSE:
      m_strAcSSE.assign(value);
      break;
    case kExpectDelProfile:
      m_strDelProfile.assign(value);
      break;
    case kExpectUnregApp:
      m_strUnregApp.assign(value);
      break;
    case kExpectInstName:
      m_strInstName.assign(value);
      break;
    case kExpectAfterRun:
      break;  // values after -r are ignored until the next switch
    default:
      m_nExpect = kExpectIgnored;  // a stray value, or one after an unknown switch
      break;
  }
}

void ParseCommandLine(const std::vector<std::string>& args, CPMCommandLineInfo& info) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool isSwitch = !arg.empty() && (arg[0] == '-' || arg[0] == '/');
    const std::string_view text = isSwitch ? std::string_view(arg).substr(1) : std::string_view(arg);
    info.ParseParam(text, isSwitch, i + 1 == args.size());
  }
}

}  // namespace manager
