// One INI engine for every backend: the profile functions' rules, over the file system service.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace horalix::platform {

// Follows the profile functions: section and key names compare without regard to letter case;
// names and values are trimmed of blanks; a quoted value loses its quotes on read; a read copies
// at most `capacity - 1` bytes; writes create the file, the section and the key as needed and
// keep every other line of the file as it was. The file is read and written afresh at each call.
class IniFile {
 public:
  explicit IniFile(FileSystem& files) : files_(files) {}

  // GetPrivateProfileString: the stored text, or `fallback` when the file, section or key is
  // missing; cut to capacity - 1 bytes.
  std::string readString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback,
                         std::size_t capacity) const;

  // GetPrivateProfileSection: the characters it copies, not counting the final NUL: the
  // section's lines "key=value" (values with their quotes; lines without "=" as they stand),
  // each followed by a NUL, cut
  // so that the whole fits `capacity` characters. Empty for a missing file or section.
  std::string readSection(const std::string& path, const std::string& section,
                          std::size_t capacity) const;

  // WritePrivateProfileString; a null value deletes the key.
  bool writeString(const std::string& path, const std::string& section, const std::string& key,
                   const std::optional<std::string>& value);
  // WritePrivateProfileSection with a null text: deletes the section and all its keys.
  bool deleteSection(const std::string& path, const std::string& section);

 private:
  FileSystem& files_;
};

}  // namespace horalix::platform
