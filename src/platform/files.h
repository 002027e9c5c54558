// The file system as the program sees it: its own folder, plain files, whole-file reads and writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace horalix::platform {

// Paths are UTF-8 with "\" as separator on every backend (the headless backend keeps a model
// of a Windows folder tree; names compare without regard to letter case).
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The folder the program was started from, without a trailing "\" (a drive root keeps it).
  virtual std::string programFolder() const = 0;

  // The Windows folder and the system folder (GetWindowsDirectory, GetSystemDirectory).
  virtual std::string windowsFolder() const = 0;
  virtual std::string systemFolder() const = 0;

  // True when a directory listing with the normal-file attribute finds the file: hidden and
  // system files and folders do not count.
  virtual bool normalFileExists(const std::string& path) const = 0;
  virtual bool folderExists(const std::string& path) const = 0;

  // True when the file exists but another process holds it open without sharing.
  virtual bool isInUse(const std::string& path) const = 0;

  virtual std::optional<std::string> readAll(const std::string& path) const = 0;
  // Replaces the file's content, creating the file; false when it cannot be written.
  virtual bool writeAll(const std::string& path, const std::string& content) = 0;
  virtual bool copy(const std::string& from, const std::string& to, bool overwrite) = 0;
  virtual bool remove(const std::string& path) = 0;
  virtual bool createFolder(const std::string& path) = 0;

  // Names (not paths) of the plain files in a folder matching a pattern such as "*.wav".
  virtual std::vector<std::string> list(const std::string& folder,
                                        const std::string& pattern) const = 0;
};

}  // namespace horalix::platform
