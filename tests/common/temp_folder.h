// A fresh folder under the temporary path for one test, removed afterwards,
// and small file helpers. Paths are the platform's own (backslashes on
// Windows), as the code under test would see them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace common_test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    root_ = std::filesystem::temp_directory_path() /
            ("arvenlo-common-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(root_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // `relative` uses "/" between its parts; the result uses the platform's.
  std::string Path(const std::string& relative) const {
    return (root_ / std::filesystem::path(relative).make_preferred()).string();
  }
  std::string MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Path(relative));
    return Path(relative);
  }
  std::string Write(const std::string& relative, const std::string& contents) const {
    std::filesystem::path path = Path(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
    return path.string();
  }
  std::string Copy(const std::string& from, const std::string& relative) const {
    std::filesystem::path to = Path(relative);
    std::filesystem::create_directories(to.parent_path());
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    return to.string();
  }

 private:
  std::filesystem::path root_;
};

inline std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());  // an empty value removes the variable
#else
  if (value.empty())
    unsetenv(name);
  else
    setenv(name, value.c_str(), 1);
#endif
}

}  // namespace common_test
