// The file system as the program sees it: its own folder, plain files, whole-file reads and writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

  // True when the file cannot be opened for reading and writing without sharing: another
  // process holds it, it is missing, read-only or denied to us, or the path names a folder.
  // Hidden and system files are opened like any other.
  virtual bool isInUse(const std::string& path) const = 0;

  // Text in the system's ANSI code page, in which the profile functions keep INI files: a
  // file's bytes to UTF-8, and UTF-8 to bytes (a character the code page lacks becomes "?").
  virtual std::string ansiToUtf8(std::string_view bytes) const = 0;
  virtual std::string utf8ToAnsi(std::string_view text) const = 0;
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
