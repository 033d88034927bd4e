// How long the manager's model load and dump take against a large registry
// (2,000 applications, 200 profiles), next to a plain walk that reads every
// key and value of the same trees once. The ratio is the figure to watch:
// the load should cost a small multiple of reading the data at all.
//
// Natively it builds the registry in the in-memory backend. On Windows it
// writes below HKLM\Software\Autodesk and HKCU\Software\Autodesk and deletes
// them afterwards, so it only runs there with --use-real-registry (meant
// for a Wine prefix). With --keep as well it leaves the registry in place,
// for timing "Arvenlo.exe -d" against "reg query /s" (wine_dump_vs_reg.sh).

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/dump.h"
#include "model/loading.h"
#include "model/registration.h"
#include "model/registry_paths.h"
#include "platform/registry.h"
#include "platform/registry_key.h"

namespace {

constexpr const char* kProductKey = "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-201:409";
constexpr int kApps = 2000;
constexpr int kProfiles = 200;
constexpr int kLinksPerProfile = 40;
constexpr int kSettingsPerProfile = 30;

class NoRegistration final : public model::Registration {
 public:
  void SetupPManIni(int, const std::string&, const std::string&, const std::string&,
                    int) override {}
  void RegisterAppInPManIniEx(int, const std::string&, const std::string&, const std::string&,
                              int) override {}
  int RegisterAppInProfileEx(const std::string&, const std::string&, const std::string&,
                             int) override {
    return 0;
  }
  void UnregAppInProfile(const std::string&, const std::string&, const std::string&) override {}
};

platform::RegistryKey Create(platform::RegHandle root, const std::string& path) {
  platform::RegistryKey key;
  if (key.Create(root, path, platform::kKeyAllAccess) != platform::kErrSuccess) {
    std::fprintf(stderr, "cannot create %s\n", path.c_str());
    std::exit(2);
  }
  return key;
}

std::string AppName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "App%04d", i);
  return name;
}

void BuildRegistry() {
  Create(platform::kHkeyLocalMachine, kProductKey).WriteString("ProductName", "AutoCAD 2005");
  Create(platform::kHkeyLocalMachine, kProductKey).WriteString("Location", "C:\\Acad");
  platform::RegistryKey order =
      Create(platform::kHkeyLocalMachine, model::StdLoadOrderPath(kProductKey));
  for (int i = 0; i < kApps; ++i) {
    const std::string name = AppName(i);
    platform::RegistryKey app = Create(platform::kHkeyLocalMachine,
                                       model::AppRegistryPath(kProductKey) + "\\" + name);
    app.WriteString("Loader", "C:\\Apps\\" + name + "\\" + name + ".arx");
    app.WriteString("Loader0", "C:\\Apps\\" + name + "\\" + name + "ui.arx");
    app.WriteString("CommandGroups", name + "_CMDS");
    app.WriteString("Modules", name + ".arx");
    app.WriteString("MenuGroup", name + "MENU");
    app.WriteString("MenuFile", "C:\\Apps\\" + name + "\\" + name + ".mnu");
    app.WriteString("Description", "Application " + name);
    app.WriteDword("Unloadable", i % 2);
    if (i % 3 != 0) order.WriteDword(name.c_str(), static_cast<std::uint32_t>((i * 7919) % 1000));
  }
  platform::RegistryKey profiles =
      Create(platform::kHkeyCurrentUser, model::ProfilesKeyPath(kProductKey));
  profiles.WriteString("", "Profile000");
  for (int p = 0; p < kProfiles; ++p) {
    char profileName[32];
    std::snprintf(profileName, sizeof profileName, "Profile%03d", p);
    platform::RegistryKey profile =
        Create(platform::kHkeyCurrentUser, model::ProfileKeyPath(kProductKey, profileName));
    profile.WriteString("", std::string("Description of ") + profileName);
    platform::RegistryKey general = Create(profile.handle(), "General");
    for (int s = 0; s < kSettingsPerProfile; ++s)
      general.WriteString(("Setting" + std::to_string(s)).c_str(), std::string(40, 's'));
    for (int l = 0; l < kLinksPerProfile; ++l) {
      const std::string app = AppName((p * 37 + l * 53) % kApps);
      platform::RegistryKey link =
          Create(platform::kHkeyCurrentUser, model::LinkKeyPath(kProductKey, profileName, app));
      link.WriteDword("LoadOrder", static_cast<std::uint32_t>(l % 4 == 0 ? 0 : l));
      link.WriteDword("MenuLoaded", 1);
    }
  }
}

// Reads every value of every key below `path` once; returns how many.
std::size_t Walk(platform::RegHandle parent, const std::string& path) {
  platform::RegistryKey key;
  if (key.Open(parent, path, platform::kKeyRead) != platform::kErrSuccess) return 0;
  std::size_t count = 0;
  std::vector<char> name(16384);
  std::vector<std::uint8_t> data(4096);
  for (std::uint32_t i = 0;; ++i) {
    std::uint32_t chars = static_cast<std::uint32_t>(name.size());
    std::uint32_t bytes = static_cast<std::uint32_t>(data.size());
    std::uint32_t type = 0;
    if (platform::RegEnumValueAt(key.handle(), i, name.data(), &chars, &type, data.data(),
                                 &bytes) != platform::kErrSuccess)
      break;
    ++count;
  }
  std::string child;
  for (std::uint32_t i = 0; key.EnumKeyName(i, &child) == platform::kErrSuccess; ++i)
    count += Walk(key.handle(), child);
  return count;
}

long DeleteTree(platform::RegHandle parent, const std::string& path) {
  platform::RegistryKey key;
  long rc = key.Open(parent, path, platform::kKeyAllAccess);
  if (rc != platform::kErrSuccess) return rc;
  std::string child;
  while (key.EnumKeyName(0, &child) == platform::kErrSuccess)
    if (DeleteTree(key.handle(), child) != platform::kErrSuccess) break;
  key.Close();
  return platform::RegRemoveKey(parent, path.c_str());
}

// Wall-clock and processor time of one stage; the processor time is the
// steadier figure on a busy machine.
struct Stopwatch {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  std::clock_t cpu = std::clock();
  double Wall() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
  }
  double Cpu() const { return static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC; }
};

}  // namespace

int main(int argc, char** argv) {
  const bool keep = argc >= 3 && std::strcmp(argv[2], "--keep") == 0;
#ifdef _WIN32
  if (argc < 2 || std::strcmp(argv[1], "--use-real-registry") != 0) {
    std::fprintf(stderr,
                 "This writes and deletes HKLM\\Software\\Autodesk and HKCU\\Software\\Autodesk.\n"
                 "Run it in a scratch Wine prefix with --use-real-registry.\n");
    return 1;
  }
#endif
  DeleteTree(platform::kHkeyLocalMachine, "Software\\Autodesk");
  DeleteTree(platform::kHkeyCurrentUser, "Software\\Autodesk");
  Stopwatch building;
  BuildRegistry();
  const double build = building.Wall();

  Stopwatch walking;
  std::size_t values = Walk(platform::kHkeyLocalMachine, "Software\\Autodesk") +
                       Walk(platform::kHkeyCurrentUser, "Software\\Autodesk");
  const double walk = walking.Wall();
  const double walkCpu = walking.Cpu();

  NoRegistration registration;
  std::vector<model::PMAcad> acads;
  Stopwatch loading;
  model::LoadModel(acads, registration, "");
  const std::string dump = model::DumpModel(acads);
  const double load = loading.Wall();
  const double loadCpu = loading.Cpu();

  std::size_t links = 0;
  for (const auto& acad : acads)
    for (const auto& profile : acad.m_profiles) links += profile.m_links.size();
  std::printf("registry: %d applications, %d profiles, %zu values (built in %.3f s)\n", kApps,
              kProfiles, values, build);
  std::printf("model: %zu installations, %zu links, dump %zu bytes\n", acads.size(), links,
              dump.size());
  std::printf("                               wall       processor\n");
  std::printf("plain walk of keys and values: %8.4f s %8.4f s\n", walk, walkCpu);
  std::printf("LoadModel + DumpModel:         %8.4f s %8.4f s\n", load, loadCpu);
  std::printf("ratio:                         %8.1f   %8.1f\n", walk > 0 ? load / walk : 0.0,
              walkCpu > 0 ? loadCpu / walkCpu : 0.0);

  if (!keep) {
    DeleteTree(platform::kHkeyLocalMachine, "Software\\Autodesk");
    DeleteTree(platform::kHkeyCurrentUser, "Software\\Autodesk");
  }
  return 0;
}
