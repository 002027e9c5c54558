// The file system of the simulated desktop: Windows paths ("C:\Program Files\Horalix\...")
// mapped onto a real temporary folder, so that services that need a real file (the database)
// can open it. Attributes that Linux lacks (hidden, system) and files held open by another
// process are kept in a side table that the test sets.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace horalix::platform {

class HeadlessFileSystem : public FileSystem {
 public:
  explicit HeadlessFileSystem(std::string programFolder = "C:\\Program Files\\Horalix");
  ~HeadlessFileSystem() override;
  HeadlessFileSystem(const HeadlessFileSystem&) = delete;
  HeadlessFileSystem& operator=(const HeadlessFileSystem&) = delete;

  std::string programFolder() const override { return programFolder_; }
  std::string windowsFolder() const override { return windowsFolder_; }
  std::string systemFolder() const override { return systemFolder_; }
  bool normalFileExists(const std::string& path) const override;
  bool folderExists(const std::string& path) const override;
  bool isInUse(const std::string& path) const override;
  std::string ansiToUtf8(std::string_view bytes) const override;
  std::string utf8ToAnsi(std::string_view text) const override;
  std::optional<std::string> readAll(const std::string& path) const override;
  bool writeAll(const std::string& path, const std::string& content) override;
  bool copy(const std::string& from, const std::string& to, bool overwrite) override;
  bool remove(const std::string& path) override;
  bool createFolder(const std::string& path) override;
  std::vector<std::string> list(const std::string& folder,
                                const std::string& pattern) const override;

  // The file on disk that a Windows path stands for (existing names matched without regard to
  // letter case); "" for a path that is not an absolute drive path.
  std::string realPath(const std::string& windowsPath) const;
  // The temporary folder that holds the drives ("<root>/C/Program Files/Horalix").
  const std::filesystem::path& root() const { return root_; }

  // The system's ANSI code page: 65001 (UTF-8, no conversion) unless a test sets another, such
  // as 936 (simplified Chinese).
  void setAnsiCodePage(unsigned codePage) { ansiCodePage_ = codePage; }

  // Test set-up: the Windows folder and the system folder, "C:\\Windows" and
  // "C:\\Windows\\system32" at first (folders that hold nothing until a test seeds them).
  void setSystemFolders(std::string windows, std::string system) {
    windowsFolder_ = std::move(windows);
    systemFolder_ = std::move(system);
  }
  // Test set-up: writes a file, creating the folders along its path.
  void seedFile(const std::string& path, const std::string& content);
  void setHidden(const std::string& path, bool hidden) { flag(path).hidden = hidden; }
  void setSystem(const std::string& path, bool system) { flag(path).system = system; }
  // The file is held open without sharing by another process: reads, writes, copies and
  // deletion fail, as they would on Windows.
  void setInUse(const std::string& path, bool inUse) { flag(path).inUse = inUse; }
  // The file is read-only or its permissions deny writing: it can be read but not opened for
  // writing.
  void setReadOnly(const std::string& path, bool readOnly) { flag(path).readOnly = readOnly; }

 private:
  struct Flags {
    bool hidden = false;
    bool system = false;
    bool inUse = false;
    bool readOnly = false;
  };
  // The path's canonical key: drive and names, case-folded, "." and ".." resolved.
  static std::optional<std::vector<std::string>> segments(const std::string& windowsPath);
  static std::string keyOf(const std::vector<std::string>& segments);
  std::optional<std::filesystem::path> resolve(const std::string& windowsPath) const;
  Flags flagsOf(const std::string& windowsPath) const;
  Flags& flag(const std::string& windowsPath);
  bool isPlainFile(const std::string& windowsPath) const;

  std::string programFolder_;
  std::string windowsFolder_ = "C:\\Windows";
  std::string systemFolder_ = "C:\\Windows\\system32";
  std::filesystem::path root_;
  std::map<std::string, Flags> flags_;
  unsigned ansiCodePage_ = 65001;
};

}  // namespace horalix::platform
