// Files over kernel32, with UTF-8 paths turned into UTF-16 at each call.
#pragma once

#include "platform/files.h"

namespace horalix::win32 {

class Win32FileSystem final : public platform::FileSystem {
 public:
  std::string programFolder() const override;
  std::string windowsFolder() const override;
  std::string systemFolder() const override;
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
};

// The folder part of a module's full path: without the trailing "\", except at a drive root
// ("C:\"). Exposed for the tests of the folder rule.
std::string folderOfModulePath(const std::string& modulePath);

}  // namespace horalix::win32
