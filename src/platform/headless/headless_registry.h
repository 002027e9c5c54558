// The registry of the simulated desktop: an in-memory tree of keys and typed values, with the
// faults a test needs (keys that refuse creation, writes or deletion, a key whose close fails).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/name_compare.h"
#include "platform/registry.h"

namespace horalix::platform {

class HeadlessRegistry : public Registry {
 public:
  // Faults a test sets on a key path; the key need not exist yet.
  enum Fault : unsigned {
    NoCreate = 1,    // creating this key is denied
    NoWrite = 2,     // writing a value into it is denied
    NoDelete = 4,    // deleting it or one of its values is denied
    CloseFails = 8,  // every access opens it but cannot close it
  };

  HeadlessRegistry();

  long createKey(RegRoot root, const std::string& path) override;
  bool keyExists(RegRoot root, const std::string& path) override;
  long deleteKey(RegRoot root, const std::string& path) override;
  long setValue(RegRoot root, const std::string& path, const std::string& name,
                const RegData& value) override;
  long queryValue(RegRoot root, const std::string& path, const std::string& name,
                  RegData& out) override;
  long deleteValue(RegRoot root, const std::string& path, const std::string& name) override;
  bool lastCloseFailed() const override { return lastCloseFailed_; }

  void setFaults(RegRoot root, const std::string& path, unsigned faults);

  // Direct access for tests: no faults, no journal; setRaw creates the keys along the path.
  void setRaw(RegRoot root, const std::string& path, const std::string& name, const RegData& value);
  std::optional<RegData> raw(RegRoot root, const std::string& path, const std::string& name) const;
  bool hasKey(RegRoot root, const std::string& path) const;
  std::vector<std::string> valueNames(RegRoot root, const std::string& path) const;
  std::vector<std::string> subkeyNames(RegRoot root, const std::string& path) const;

  // Every call made through the Registry interface, in order, as "verb HKCU\path[:name]".
  const std::vector<std::string>& journal() const { return journal_; }
  void clearJournal() { journal_.clear(); }

 private:
  struct Key {
    std::map<std::string, Key, FoldedLess> subkeys;
    std::map<std::string, RegData, FoldedLess> values;
  };

  static std::vector<std::string> split(const std::string& path);
  Key* find(RegRoot root, const std::string& path);
  const Key* find(RegRoot root, const std::string& path) const;
  // The faults of the key made of the first `count` segments (all of them by default).
  unsigned faultsOf(RegRoot root, const std::vector<std::string>& segments,
                    std::size_t count = static_cast<std::size_t>(-1)) const;
  // Opens an existing key for one call: records the call and whether its close fails.
  Key* open(const char* verb, RegRoot root, const std::string& path, const std::string& name);

  std::map<RegRoot, Key> roots_;
  std::map<std::pair<RegRoot, std::string>, unsigned> faults_;
  std::vector<std::string> journal_;
  bool lastCloseFailed_ = false;
};

}  // namespace horalix::platform
