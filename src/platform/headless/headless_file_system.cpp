#include "platform/headless/headless_file_system.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/name_compare.h"

namespace horalix::platform {

namespace fs = std::filesystem;

namespace {

// A file-name pattern with "*" and "?", matched without regard to letter case.
bool matches(std::string_view pattern, std::string_view name) {
  if (pattern == "*" || pattern == "*.*") return true;
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || foldAscii(pattern[p]) == foldAscii(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// A fresh folder of its own under the system's temporary folder; create_directory tells a
// folder made now from one that was there.
fs::path makeTempRoot() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path root =
        fs::temp_directory_path() / ("horalix-files-" + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(root, error)) return root;
  }
  throw std::runtime_error("cannot create a temporary folder for the program folder");
}

}  // namespace

HeadlessFileSystem::HeadlessFileSystem(std::string programFolder)
    : programFolder_(std::move(programFolder)), root_(makeTempRoot()) {
  // The folder is named without a trailing "\", except a drive root which keeps it.
  while (programFolder_.size() > 3 && programFolder_.back() == '\\') programFolder_.pop_back();
  if (auto folder = resolve(programFolder_)) fs::create_directories(*folder);
}

HeadlessFileSystem::~HeadlessFileSystem() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::optional<std::vector<std::string>> HeadlessFileSystem::segments(
    const std::string& windowsPath) {
  std::string path = windowsPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  const bool drive = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                     path[1] == ':' && (path.size() == 2 || path[2] == '\\');
  if (!drive) return std::nullopt;
  std::vector<std::string> parts{std::string(1, static_cast<char>(std::toupper(path[0])))};
  std::istringstream names(path.substr(2));
  for (std::string name; std::getline(names, name, '\\');) {
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (parts.size() > 1) parts.pop_back();
      continue;
    }
    parts.push_back(name);
  }
  return parts;
}

std::string HeadlessFileSystem::keyOf(const std::vector<std::string>& segments) {
  std::string key;
  for (const auto& segment : segments) key += foldCase(segment) + "\\";
  return key;
}

std::optional<fs::path> HeadlessFileSystem::resolve(const std::string& windowsPath) const {
  auto parts = segments(windowsPath);
  if (!parts) return std::nullopt;
  fs::path real = root_ / parts->front();
  for (std::size_t i = 1; i < parts->size(); ++i) {
    const std::string& name = (*parts)[i];
    std::string onDisk = name;
    std::error_code error;
    if (fs::is_directory(real, error)) {
      for (const auto& entry : fs::directory_iterator(real, error)) {
        if (sameName(entry.path().filename().string(), name)) {
          onDisk = entry.path().filename().string();
          break;
        }
      }
    }
    real /= onDisk;
  }
  return real;
}

std::string HeadlessFileSystem::realPath(const std::string& windowsPath) const {
  auto real = resolve(windowsPath);
  return real ? real->string() : std::string();
}

HeadlessFileSystem::Flags HeadlessFileSystem::flagsOf(const std::string& windowsPath) const {
  auto parts = segments(windowsPath);
  if (!parts) return {};
  auto it = flags_.find(keyOf(*parts));
  return it == flags_.end() ? Flags{} : it->second;
}

HeadlessFileSystem::Flags& HeadlessFileSystem::flag(const std::string& windowsPath) {
  auto parts = segments(windowsPath);
  if (!parts) throw std::invalid_argument("not a drive path: " + windowsPath);
  return flags_[keyOf(*parts)];
}

bool HeadlessFileSystem::isPlainFile(const std::string& windowsPath) const {
  auto real = resolve(windowsPath);
  std::error_code error;
  return real && fs::is_regular_file(*real, error);
}

bool HeadlessFileSystem::normalFileExists(const std::string& path) const {
  const Flags flags = flagsOf(path);
  return isPlainFile(path) && !flags.hidden && !flags.system;
}

bool HeadlessFileSystem::folderExists(const std::string& path) const {
  auto real = resolve(path);
  std::error_code error;
  return real && fs::is_directory(*real, error);
}

bool HeadlessFileSystem::isInUse(const std::string& path) const {
  const Flags flags = flagsOf(path);
  return !isPlainFile(path) || flags.inUse || flags.readOnly;
}

std::optional<std::string> HeadlessFileSystem::readAll(const std::string& path) const {
  if (!isPlainFile(path) || flagsOf(path).inUse) return std::nullopt;
  std::ifstream in(*resolve(path), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool HeadlessFileSystem::writeAll(const std::string& path, const std::string& content) {
  auto real = resolve(path);
  std::error_code error;
  if (!real || !fs::is_directory(real->parent_path(), error) || fs::is_directory(*real, error) ||
      flagsOf(path).inUse)
    return false;
  std::ofstream out(*real, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(out);
}

// The copy takes the source's hidden and system attributes along, as a file copy does.
bool HeadlessFileSystem::copy(const std::string& from, const std::string& to, bool overwrite) {
  if (!isPlainFile(from) || flagsOf(from).inUse) return false;
  auto target = resolve(to);
  std::error_code error;
  if (!target || fs::is_directory(*target, error)) return false;
  if (fs::exists(*target, error) && (!overwrite || flagsOf(to).inUse)) return false;
  if (!fs::is_directory(target->parent_path(), error)) return false;
  // The file replaced is removed first: MinGW's copy_file refuses to overwrite an existing file
  // even when asked to.
  if (fs::exists(*target, error) && !fs::remove(*target, error)) return false;
  fs::copy_file(*resolve(from), *target, error);
  if (error) return false;
  const Flags source = flagsOf(from);
  flag(to).hidden = source.hidden;
  flag(to).system = source.system;
  return true;
}

bool HeadlessFileSystem::remove(const std::string& path) {
  if (!isPlainFile(path) || flagsOf(path).inUse) return false;
  std::error_code error;
  if (!fs::remove(*resolve(path), error)) return false;
  flags_.erase(keyOf(*segments(path)));
  return true;
}

// One folder at a time, as MkDir: the parent must exist and the folder must not.
bool HeadlessFileSystem::createFolder(const std::string& path) {
  auto real = resolve(path);
  std::error_code error;
  if (!real || fs::exists(*real, error) || !fs::is_directory(real->parent_path(), error))
    return false;
  return fs::create_directory(*real, error);
}

std::vector<std::string> HeadlessFileSystem::list(const std::string& folder,
                                                  const std::string& pattern) const {
  std::vector<std::string> names;
  auto real = resolve(folder);
  std::error_code error;
  if (!real || !fs::is_directory(*real, error)) return names;
  for (const auto& entry : fs::directory_iterator(*real, error)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file(error) || !matches(pattern, name)) continue;
    const Flags flags = flagsOf(folder + "\\" + name);
    if (!flags.hidden && !flags.system) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), FoldedLess{});
  return names;
}

void HeadlessFileSystem::seedFile(const std::string& path, const std::string& content) {
  auto real = resolve(path);
  if (!real) throw std::invalid_argument("not a drive path: " + path);
  fs::create_directories(real->parent_path());
  // Folders just made may change how later names resolve; resolve again.
  if (!writeAll(path, content)) throw std::runtime_error("cannot seed " + path);
}

}  // namespace horalix::platform
