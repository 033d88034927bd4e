// Identifiers of the strings every deliverable carries in common/strings.rc
// (English and Russian string tables). The resource compiler does not see
// this header: the .rc file uses the numbers, each line named after its
// constant here.
#pragma once

#include <cstdint>

namespace common {

// The profile page.
inline constexpr std::uint16_t kIdsCurrentProfile = 10000;       // "Current profile: %s"
inline constexpr std::uint16_t kIdsCannotDeleteCurrent = 10001;
inline constexpr std::uint16_t kIdsConfirmDeleteProfile = 10002;  // %s: the profile
inline constexpr std::uint16_t kIdsCannotDeleteLast = 10019;
inline constexpr std::uint16_t kIdsApplyBeforeRefresh = 10022;
inline constexpr std::uint16_t kIdsAboutMenuItem = 10011;

// The add-profile and rename-profile dialogs.
inline constexpr std::uint16_t kIdsProfileExists = 10003;  // %s: the name typed
inline constexpr std::uint16_t kIdsEmptyName = 10004;

// The manager program.
inline constexpr std::uint16_t kIdsAppTitle = 10005;  // caption of every message box
inline constexpr std::uint16_t kIdsUsage = 10010;
inline constexpr std::uint16_t kIdsAboutVersion = 10013;  // "Version: %d.%d"
inline constexpr std::uint16_t kIdsAboutCaption = 10015;  // "About %s %d.%d"
inline constexpr std::uint16_t kIdsApplyBeforeDrag = 10018;
inline constexpr std::uint16_t kIdsApplyBeforeRun = 10023;

// Results of a launch.
inline constexpr std::uint16_t kIdsAcadIdNotFound = 10006;  // %s: the AutoCAD Id
inline constexpr std::uint16_t kIdsProfileNotFound = 10007;  // %s: the profile
inline constexpr std::uint16_t kIdsCannotRunAcad = 10008;
inline constexpr std::uint16_t kIdsCannotChangeProfile = 10009;
inline constexpr std::uint16_t kIdsStartAcadFirst = 10024;

// The in-host module.
inline constexpr std::uint16_t kIdsOptionsTabTitle = 10017;
inline constexpr std::uint16_t kIdsEnterProfileName = 10020;
inline constexpr std::uint16_t kIdsProfileAlreadyCurrent = 10021;  // %s: the name typed

// Every identifier above, for tests that check both languages carry each one.
inline constexpr std::uint16_t kAllStringIds[] = {
    10000, 10001, 10002, 10003, 10004, 10005, 10006, 10007, 10008, 10009, 10010,
    10011, 10013, 10015, 10017, 10018, 10019, 10020, 10021, 10022, 10023, 10024,
};

}  // namespace common
