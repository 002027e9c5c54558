// The registry over advapi32: every call opens and closes its key, with the access the program
// asks for (0x3F: query, set, create subkey, enumerate, notify, create link).
#pragma once

#include "platform/registry.h"

namespace horalix::win32 {

class Win32Registry final : public platform::Registry {
 public:
  long createKey(platform::RegRoot root, const std::string& path) override;
  bool keyExists(platform::RegRoot root, const std::string& path) override;
  long deleteKey(platform::RegRoot root, const std::string& path) override;
  long setValue(platform::RegRoot root, const std::string& path, const std::string& name,
                const platform::RegData& value) override;
  long queryValue(platform::RegRoot root, const std::string& path, const std::string& name,
                  platform::RegData& out) override;
  long deleteValue(platform::RegRoot root, const std::string& path,
                   const std::string& name) override;
  bool lastCloseFailed() const override { return lastCloseFailed_; }

 private:
  bool lastCloseFailed_ = false;
};

}  // namespace horalix::win32
