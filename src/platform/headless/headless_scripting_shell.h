// The scripting shell of the simulated desktop: RegWrite, RegRead and RegDelete over the same
// registry tree that the registry functions see.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/name_compare.h"
#include "platform/registry.h"
#include "platform/scripting_shell.h"

namespace horalix::platform {

class HeadlessScriptingShell : public ScriptingShell {
 public:
  explicit HeadlessScriptingShell(Registry& registry) : registry_(registry) {}

  bool regWrite(const std::string& path, const ShellValue& value, const std::string& type) override;
  std::optional<ShellValue> regRead(const std::string& path) override;
  bool regDelete(const std::string& path) override;

  // With false every verb fails, as when the shell object cannot be created.
  void setAvailable(bool available) { available_ = available; }
  bool available() const { return available_; }
  // Every verb on this full path fails (the path compared without regard to letter case).
  void failOn(const std::string& path) { failing_.insert(path); }

  // The verbs called, in order, as "RegWrite HKEY_CURRENT_USER\Vantrel\name".
  const std::vector<std::string>& journal() const { return journal_; }
  void clearJournal() { journal_.clear(); }

 private:
  // A full path taken apart: root, key path, value name; `isKey` when it ends in "\".
  struct Target {
    RegRoot root;
    std::string key;
    std::string name;
    bool isKey = false;
  };
  std::optional<Target> begin(const char* verb, const std::string& path);

  Registry& registry_;
  bool available_ = true;
  std::set<std::string, FoldedLess> failing_;
  std::vector<std::string> journal_;
};

}  // namespace horalix::platform
