#include "platform/headless/headless_registry.h"

#include <algorithm>

namespace horalix::platform {

namespace {

const char* rootName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot:
      return "HKCR";
    case RegRoot::CurrentUser:
      return "HKCU";
    case RegRoot::LocalMachine:
      return "HKLM";
  }
  return "?";
}

std::string joinFolded(const std::vector<std::string>& segments, std::size_t count) {
  std::string joined;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) joined += '\\';
    joined += foldCase(segments[i]);
  }
  return joined;
}

}  // namespace

HeadlessRegistry::HeadlessRegistry() {
  for (RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine})
    roots_[root];
}

// Empty segments (doubled or trailing "\") are passed over.
std::vector<std::string> HeadlessRegistry::split(const std::string& path) {
  std::vector<std::string> segments;
  std::string current;
  for (char c : path) {
    if (c == '\\') {
      if (!current.empty()) segments.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) segments.push_back(current);
  return segments;
}

const HeadlessRegistry::Key* HeadlessRegistry::find(RegRoot root, const std::string& path) const {
  auto rootIt = roots_.find(root);
  if (rootIt == roots_.end()) return nullptr;
  const Key* key = &rootIt->second;
  for (const auto& segment : split(path)) {
    auto it = key->subkeys.find(segment);
    if (it == key->subkeys.end()) return nullptr;
    key = &it->second;
  }
  return key;
}

HeadlessRegistry::Key* HeadlessRegistry::find(RegRoot root, const std::string& path) {
  return const_cast<Key*>(std::as_const(*this).find(root, path));
}

unsigned HeadlessRegistry::faultsOf(RegRoot root, const std::vector<std::string>& segments,
                                    std::size_t count) const {
  auto it = faults_.find({root, joinFolded(segments, std::min(count, segments.size()))});
  return it == faults_.end() ? 0u : it->second;
}

HeadlessRegistry::Key* HeadlessRegistry::open(const char* verb, RegRoot root,
                                              const std::string& path, const std::string& name) {
  journal_.push_back(std::string(verb) + " " + rootName(root) + "\\" + path + ":" + name);
  Key* key = find(root, path);
  lastCloseFailed_ = key != nullptr && (faultsOf(root, split(path)) & CloseFails) != 0;
  return key;
}

long HeadlessRegistry::createKey(RegRoot root, const std::string& path) {
  journal_.push_back(std::string("createKey ") + rootName(root) + "\\" + path);
  lastCloseFailed_ = false;
  const auto segments = split(path);
  // Nothing is created unless every missing key along the path may be.
  const Key* existing = &roots_[root];
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (existing != nullptr) {
      auto it = existing->subkeys.find(segments[i]);
      existing = it == existing->subkeys.end() ? nullptr : &it->second;
    }
    if (existing == nullptr && (faultsOf(root, segments, i + 1) & NoCreate))
      return regresult::AccessDenied;
  }
  Key* key = &roots_[root];
  for (const auto& segment : segments) key = &key->subkeys[segment];
  lastCloseFailed_ = (faultsOf(root, segments) & CloseFails) != 0;
  return regresult::Success;
}

bool HeadlessRegistry::keyExists(RegRoot root, const std::string& path) {
  return open("openKey", root, path, "") != nullptr;
}

long HeadlessRegistry::deleteKey(RegRoot root, const std::string& path) {
  const auto segments = split(path);
  journal_.push_back(std::string("deleteKey ") + rootName(root) + "\\" + path);
  lastCloseFailed_ = false;
  if (segments.empty()) return regresult::AccessDenied;
  Key* key = find(root, path);
  if (key == nullptr) return regresult::FileNotFound;
  // The registry refuses to delete a key that still has subkeys.
  if (!key->subkeys.empty() || (faultsOf(root, segments) & NoDelete))
    return regresult::AccessDenied;
  std::string parentPath;
  for (std::size_t i = 0; i + 1 < segments.size(); ++i) parentPath += segments[i] + "\\";
  find(root, parentPath)->subkeys.erase(segments.back());
  return regresult::Success;
}

long HeadlessRegistry::setValue(RegRoot root, const std::string& path, const std::string& name,
                                const RegData& value) {
  Key* key = open("setValue", root, path, name);
  if (key == nullptr) return regresult::FileNotFound;
  if (faultsOf(root, split(path)) & NoWrite) return regresult::AccessDenied;
  key->values[name] = value;
  return regresult::Success;
}

long HeadlessRegistry::queryValue(RegRoot root, const std::string& path, const std::string& name,
                                  RegData& out) {
  Key* key = open("queryValue", root, path, name);
  if (key == nullptr) return regresult::FileNotFound;
  auto it = key->values.find(name);
  if (it == key->values.end()) return regresult::FileNotFound;
  out = it->second;
  return regresult::Success;
}

long HeadlessRegistry::deleteValue(RegRoot root, const std::string& path, const std::string& name) {
  Key* key = open("deleteValue", root, path, name);
  if (key == nullptr) return regresult::FileNotFound;
  if (faultsOf(root, split(path)) & NoDelete) return regresult::AccessDenied;
  return key->values.erase(name) > 0 ? regresult::Success : regresult::FileNotFound;
}

void HeadlessRegistry::setFaults(RegRoot root, const std::string& path, unsigned faults) {
  const auto segments = split(path);
  faults_[{root, joinFolded(segments, segments.size())}] = faults;
}

void HeadlessRegistry::setRaw(RegRoot root, const std::string& path, const std::string& name,
                              const RegData& value) {
  Key* key = &roots_[root];
  for (const auto& segment : split(path)) key = &key->subkeys[segment];
  key->values[name] = value;
}

std::optional<RegData> HeadlessRegistry::raw(RegRoot root, const std::string& path,
                                             const std::string& name) const {
  const Key* key = find(root, path);
  if (key == nullptr) return std::nullopt;
  auto it = key->values.find(name);
  if (it == key->values.end()) return std::nullopt;
  return it->second;
}

bool HeadlessRegistry::hasKey(RegRoot root, const std::string& path) const {
  return find(root, path) != nullptr;
}

std::vector<std::string> HeadlessRegistry::valueNames(RegRoot root, const std::string& path) const {
  std::vector<std::string> names;
  if (const Key* key = find(root, path))
    for (const auto& [name, value] : key->values) names.push_back(name);
  return names;
}

std::vector<std::string> HeadlessRegistry::subkeyNames(RegRoot root,
                                                       const std::string& path) const {
  std::vector<std::string> names;
  if (const Key* key = find(root, path))
    for (const auto& [name, subkey] : key->subkeys) names.push_back(name);
  return names;
}

}  // namespace horalix::platform
