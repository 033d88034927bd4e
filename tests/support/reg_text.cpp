#include "tests/support/reg_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace testsupport {
namespace {

using platform::RegHandle;

constexpr std::uint32_t kReadWrite = platform::kKeyRead | platform::kKeyWrite;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  std::size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

// "HKEY_CURRENT_USER\a\b" -> root and "a\b".
bool SplitRoot(const std::string& full, RegHandle* root, std::string* path) {
  std::size_t slash = full.find('\\');
  std::string rootName = Lower(full.substr(0, slash));
  *path = slash == std::string::npos ? "" : full.substr(slash + 1);
  if (rootName == "hkey_local_machine" || rootName == "hklm") {
    *root = platform::kHkeyLocalMachine;
  } else if (rootName == "hkey_current_user" || rootName == "hkcu") {
    *root = platform::kHkeyCurrentUser;
  } else {
    return false;
  }
  return true;
}

// A quoted text starting at `at` (on the opening quote); `at` ends after the
// closing quote.
bool ParseQuoted(const std::string& line, std::size_t* at, std::string* out) {
  if (*at >= line.size() || line[*at] != '"') return false;
  out->clear();
  for (std::size_t i = *at + 1; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\\' && i + 1 < line.size()) {
      out->push_back(line[++i]);
    } else if (c == '"') {
      *at = i + 1;
      return true;
    } else {
      out->push_back(c);
    }
  }
  return false;
}

bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>* bytes) {
  bytes->clear();
  std::string digits;
  for (char c : text) {
    if (c == ',' || c == ' ' || c == '\t') {
      if (!digits.empty()) {
        bytes->push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
        digits.clear();
      }
    } else if (std::isxdigit(static_cast<unsigned char>(c))) {
      digits.push_back(c);
      if (digits.size() > 2) return false;
    } else {
      return false;
    }
  }
  if (!digits.empty()) bytes->push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
  return true;
}

long DeleteTreeBelow(RegHandle parent, const std::string& name, std::uint32_t view) {
  RegHandle key = 0;
  long rc = platform::RegOpen(parent, name.c_str(), kReadWrite | view, &key);
  if (rc != platform::kErrSuccess) return rc;
  for (;;) {
    char child[1024];
    std::uint32_t chars = sizeof child;
    if (platform::RegEnumSubkey(key, 0, child, &chars) != platform::kErrSuccess) break;
    rc = DeleteTreeBelow(key, child, view);
    if (rc != platform::kErrSuccess) {
      platform::RegClose(key);
      return rc;
    }
  }
  platform::RegClose(key);
  return view != 0 ? platform::RegRemoveKeyEx(parent, name.c_str(), view)
                   : platform::RegRemoveKey(parent, name.c_str());
}

std::string HexText(const std::vector<std::uint8_t>& data) {
  std::string out;
  char byte[4];
  for (std::size_t i = 0; i < data.size(); ++i) {
    std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x", data[i]);
    out += byte;
  }
  return out;
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out.push_back('\\');
    out.push_back(c);
  }
  return out + "\"";
}

bool NoCaseLess(const std::string& a, const std::string& b) { return Lower(a) < Lower(b); }

void ExportKey(RegHandle key, const std::string& relative, std::uint32_t view, std::string* out) {
  *out += "[" + relative + "]\n";
  struct Item {
    std::string name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  std::vector<Item> values;
  for (std::uint32_t i = 0;; ++i) {
    std::vector<char> name(16384 + 1);
    std::uint32_t nameChars = 16384;
    std::uint32_t type = 0;
    std::uint32_t bytes = 0;
    // Size first, then the data.
    long rc = platform::RegEnumValueAt(key, i, name.data(), &nameChars, &type, nullptr, &bytes);
    if (rc != platform::kErrSuccess) break;
    std::vector<std::uint8_t> data(bytes + 1);
    nameChars = 16384;
    std::uint32_t got = bytes;
    platform::RegEnumValueAt(key, i, name.data(), &nameChars, &type, data.data(), &got);
    data.resize(got);
    values.push_back({std::string(name.data(), nameChars), type, data});
  }
  std::sort(values.begin(), values.end(),
            [](const Item& a, const Item& b) { return NoCaseLess(a.name, b.name); });
  for (const Item& v : values) {
    std::string name = v.name.empty() ? "@" : Quote(v.name);
    if (v.type == platform::kRegSz) {
      std::string text(v.data.begin(), v.data.end());
      *out += name + "=" + Quote(std::string(text.c_str())) + "\n";
    } else if (v.type == platform::kRegDword && v.data.size() == 4) {
      std::uint32_t n = v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) |
                        (static_cast<std::uint32_t>(v.data[3]) << 24);
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
      *out += name + "=" + buffer + "\n";
    } else {
      *out += name + "=hex(" + std::to_string(v.type) + "):" + HexText(v.data) + "\n";
    }
  }
  std::vector<std::string> children;
  for (std::uint32_t i = 0;; ++i) {
    char child[1024];
    std::uint32_t chars = sizeof child;
    if (platform::RegEnumSubkey(key, i, child, &chars) != platform::kErrSuccess) break;
    children.emplace_back(child, chars);
  }
  std::sort(children.begin(), children.end(), NoCaseLess);
  for (const std::string& child : children) {
    RegHandle sub = 0;
    if (platform::RegOpen(key, child.c_str(), platform::kKeyRead | view, &sub) !=
        platform::kErrSuccess) {
      *out += "[" + (relative.empty() ? child : relative + "\\" + child) + "] (unreadable)\n";
      continue;
    }
    ExportKey(sub, relative.empty() ? child : relative + "\\" + child, view, out);
    platform::RegClose(sub);
  }
}

}  // namespace

bool ImportReg(const std::string& text, std::uint32_t view, std::string* error) {
  std::vector<std::string> lines;
  for (std::size_t from = 0; from <= text.size();) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  RegHandle current = 0;
  auto fail = [&](std::size_t number, const std::string& why) {
    if (current) platform::RegClose(current);
    if (error) *error = "line " + std::to_string(number + 1) + ": " + why;
    return false;
  };
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::string line = Trim(lines[n]);
    if (line.empty() || line[0] == ';' || line == "REGEDIT4" ||
        line.rfind("Windows Registry Editor", 0) == 0)
      continue;
    if (line[0] == '[') {
      if (line.back() != ']') return fail(n, "unclosed key");
      if (current) platform::RegClose(current);
      current = 0;
      bool remove = line.size() > 1 && line[1] == '-';
      std::string full = line.substr(remove ? 2 : 1, line.size() - (remove ? 3 : 2));
      RegHandle root = 0;
      std::string path;
      if (!SplitRoot(full, &root, &path)) return fail(n, "unknown root");
      std::uint32_t keyView = root == platform::kHkeyLocalMachine ? view : 0;
      if (remove) {
        long rc = DeleteRegTree(root, path, keyView);
        if (rc != platform::kErrSuccess && rc != platform::kErrFileNotFound)
          return fail(n, "delete failed with " + std::to_string(rc));
        continue;
      }
      long rc = platform::RegCreate(root, path.c_str(), kReadWrite | keyView, &current);
      if (rc != platform::kErrSuccess) return fail(n, "create failed with " + std::to_string(rc));
      continue;
    }
    if (!current) return fail(n, "value outside a key");
    std::string name;
    std::size_t at = 0;
    if (line[0] == '@') {
      at = 1;
    } else if (!ParseQuoted(line, &at, &name)) {
      return fail(n, "bad value name");
    }
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at >= line.size() || line[at] != '=') return fail(n, "missing =");
    std::string data = Trim(line.substr(at + 1));
    long rc = platform::kErrSuccess;
    if (data == "-") {
      rc = platform::RegRemoveValue(current, name.c_str());
      if (rc == platform::kErrFileNotFound) rc = platform::kErrSuccess;
    } else if (!data.empty() && data[0] == '"') {
      std::size_t q = 0;
      std::string value;
      if (!ParseQuoted(data, &q, &value)) return fail(n, "bad text");
      rc = platform::RegSet(current, name.c_str(), platform::kRegSz,
                            reinterpret_cast<const std::uint8_t*>(value.c_str()),
                            static_cast<std::uint32_t>(value.size() + 1));
    } else if (data.rfind("dword:", 0) == 0) {
      std::uint32_t number = static_cast<std::uint32_t>(std::stoul(data.substr(6), nullptr, 16));
      rc = platform::RegSet(current, name.c_str(), platform::kRegDword,
                            reinterpret_cast<const std::uint8_t*>(&number), 4);
    } else if (data.rfind("hex", 0) == 0) {
      std::uint32_t type = platform::kRegBinary;
      std::size_t colon = data.find(':');
      if (colon == std::string::npos) return fail(n, "bad hex");
      if (data[3] == '(') type = static_cast<std::uint32_t>(std::stoul(data.substr(4), nullptr, 16));
      std::string hex = data.substr(colon + 1);
      while (!hex.empty() && hex.back() == '\\' && n + 1 < lines.size()) {
        hex.pop_back();
        hex += Trim(lines[++n]);
      }
      std::vector<std::uint8_t> bytes;
      if (!ParseHexBytes(hex, &bytes)) return fail(n, "bad hex bytes");
      rc = platform::RegSet(current, name.c_str(), type, bytes.data(),
                            static_cast<std::uint32_t>(bytes.size()));
    } else {
      return fail(n, "unknown data");
    }
    if (rc != platform::kErrSuccess) return fail(n, "write failed with " + std::to_string(rc));
  }
  if (current) platform::RegClose(current);
  return true;
}

long DeleteRegTree(RegHandle root, const std::string& path, std::uint32_t view) {
  return DeleteTreeBelow(root, path, view);
}

std::string ExportRegTree(RegHandle root, const std::string& path, std::uint32_t view) {
  RegHandle key = 0;
  if (platform::RegOpen(root, path.c_str(), platform::kKeyRead | view, &key) !=
      platform::kErrSuccess)
    return "";
  std::string out;
  ExportKey(key, "", view, &out);
  platform::RegClose(key);
  return out;
}

}  // namespace testsupport
