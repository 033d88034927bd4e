// Reading the registration ini (AppToReg.ini, Products.ini): values cut to
// fixed buffers, and the placeholders some values may hold.
#pragma once

#include <cstdint>
#include <string>

namespace reglib {

// What the placeholders stand for in one section.
struct PlaceholderContext {
  std::string acadId;        // %ACAD_KEY% is its product key path
  std::string iniFolder;     // %INI_PATH%
  std::string loaderFolder;  // %LOADER_PATH%, empty until the loader is known
};

// Replaces the first occurrence of one placeholder (%ACAD_KEY%, else
// %INI_PATH%, else %LOADER_PATH%) and cuts the result to `bufferBytes`.
std::string ExpandPlaceholders(const std::string& text, const PlaceholderContext& context,
                               std::uint32_t bufferBytes);

class IniSection {
 public:
  IniSection(std::string file, std::string section)
      : file_(std::move(file)), section_(std::move(section)) {}

  // A text read into a buffer of `bufferBytes`; empty when missing.
  std::string Text(const char* key, std::uint32_t bufferBytes = 260) const;
  // The same with its placeholders expanded.
  std::string Expanded(const char* key, const PlaceholderContext& context,
                       std::uint32_t bufferBytes = 260) const;
  int Int(const char* key) const;

 private:
  std::string file_;
  std::string section_;
};

// The ini file's folder: up to, not including, its last backslash.
std::string IniFolder(const std::string& iniPath);

}  // namespace reglib
