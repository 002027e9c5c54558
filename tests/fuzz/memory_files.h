// Whole files kept in memory, for targets that read and write one file thousands of times a
// second. Only whole-file reads and writes are kept; the rest answers as for an empty folder.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace horalix::fuzz {

class MemoryFiles : public platform::FileSystem {
 public:
  std::map<std::string, std::string> content;

  std::string programFolder() const override { return "C:\\Horalix"; }
  std::string windowsFolder() const override { return "C:\\Windows"; }
  std::string systemFolder() const override { return "C:\\Windows\\system32"; }
  bool normalFileExists(const std::string& path) const override { return content.count(path); }
  bool folderExists(const std::string&) const override { return true; }
  bool isInUse(const std::string&) const override { return false; }
  // The file bytes are the text: the fuzzed INI files are taken as they come, in any encoding.
  std::string ansiToUtf8(std::string_view bytes) const override { return std::string(bytes); }
  std::string utf8ToAnsi(std::string_view text) const override { return std::string(text); }
  std::optional<std::string> readAll(const std::string& path) const override {
    const auto found = content.find(path);
    if (found == content.end()) return std::nullopt;
    return found->second;
  }
  bool writeAll(const std::string& path, const std::string& text) override {
    content[path] = text;
    return true;
  }
  bool copy(const std::string&, const std::string&, bool) override { return false; }
  bool remove(const std::string& path) override { return content.erase(path) > 0; }
  bool createFolder(const std::string&) override { return true; }
  std::vector<std::string> list(const std::string&, const std::string&) const override {
    return {};
  }
};

}  // namespace horalix::fuzz
