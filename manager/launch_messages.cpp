#include "manager/launch_messages.h"

#include "common/language.h"
#include "common/resource_ids.h"
#include "platform/text.h"

namespace manager {

std::u16string FormatLaunchMessage(const std::u16string& pattern, const std::u16string& argument) {
  std::u16string text = pattern;
  const std::size_t slot = text.find(u"%s");
  if (slot != std::u16string::npos) text.replace(slot, 2, argument);
  static const std::u16string prefix = u"Software\\Autodesk\\";
  for (std::size_t at = text.find(prefix); at != std::u16string::npos; at = text.find(prefix, at))
    text.erase(at, prefix.size());
  return text;
}

std::u16string LaunchResultMessage(std::int32_t result, const PMRunInfo& run,
                                   std::uint16_t language) {
  std::uint16_t id = 0;
  std::u16string argument;
  switch (result) {
    case kRunAcadNotFound:
      id = common::kIdsAcadIdNotFound;
      argument = platform::AnsiToWide(run.m_strAcadKey);
      break;
    case kRunProfileNotFound:
      id = common::kIdsProfileNotFound;
      argument = platform::AnsiToWide(run.m_strProfile);
      break;
    case kRunCannotChangeProfile: id = common::kIdsCannotChangeProfile; break;
    case kRunCannotStart: id = common::kIdsCannotRunAcad; break;
    case kRunNoProfiles: id = common::kIdsStartAcadFirst; break;
    default: return std::u16string();
  }
  return FormatLaunchMessage(common::LoadLangStringWide(id, language), argument);
}

}  // namespace manager
