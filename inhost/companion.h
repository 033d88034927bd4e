// The two optional companion modules named by the set-up values AePath and
// CePath: when one is already loaded, its entry point hears which names come
// (kCompanionLoaded) or go (kCompanionUnloading).
#pragma once

#include <string>
#include <vector>

namespace inhost {

inline constexpr const char kAePath[] = "AePath";
inline constexpr const char kCePath[] = "CePath";

// Reads the set-up value `which`, finds the already loaded module of that
// path (never loads one) and calls its entry point with `code` and the
// names. True when the call was made; the companion's answer is ignored.
bool NotifyCompanion(const std::string& productKey, const char* which, int code,
                     const std::vector<std::string>& names);

}  // namespace inhost
