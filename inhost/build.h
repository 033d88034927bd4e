// The two builds of the in-host module: for AutoCAD (Arvenlo.arx) and for
// AutoCAD LT (Arvenlo.alx). The logic is one library; the module's entry
// file says which build it is, and tests may play either.
#pragma once

namespace inhost {

enum class Build { kAcad, kLt };

Build CurrentBuild();
void SetBuild(Build build);

inline bool IsLtBuild() { return CurrentBuild() == Build::kLt; }

}  // namespace inhost
