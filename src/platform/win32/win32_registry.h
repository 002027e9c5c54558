// The registry over advapi32, with the access the program asks for (0x3F: query, set, create
// subkey, enumerate, notify, create link). Writes open and close their key; reads keep the few
// keys they read from open, since the clock reads its options several times a second. Given a
// watch of HKEY_CURRENT_USER, what was read from there is kept until the watch sees a change.
#pragma once

#include <windows.h>

#include <list>
#include <string>

#include "platform/registry.h"
#include "platform/win32/registry_change_watch.h"

namespace horalix::win32 {

class Win32Registry final : public platform::Registry {
 public:
  explicit Win32Registry(RegistryChangeWatch* watch = nullptr) : reads_(watch), keys_(watch) {}
  ~Win32Registry() override;
  Win32Registry(const Win32Registry&) = delete;
  Win32Registry& operator=(const Win32Registry&) = delete;

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
  struct KeptKey {
    platform::RegRoot root;
    std::wstring path;
    HKEY key;
  };
  // The key opened for reading, kept; null with the error when it cannot be opened.
  HKEY readKey(platform::RegRoot root, const std::string& path, long& result);
  // Closes the kept keys at and below a path (deleted, or deleted by someone else).
  void forget(platform::RegRoot root, const std::wstring& path);
  long readValue(HKEY key, const std::wstring& name, DWORD& type, std::string& bytes);
  long readFromRegistry(platform::RegRoot root, const std::string& path, const std::string& name,
                        platform::RegData& out);
  // Whether reads under this root may be answered from what was read before; drops those kept
  // from before the latest change.
  bool keepsReads(platform::RegRoot root);
  // Before a write of the program's own: drops what this reader and every other one kept.
  void dropReads();

  struct KeptRead {
    long result;
    platform::RegData value;
  };
  KeptReads<KeptRead> reads_;  // by path and value name
  KeptReads<bool> keys_;       // whether the key at a path exists
  bool lastCloseFailed_ = false;
  std::list<KeptKey> kept_;  // most recently used first
};

}  // namespace horalix::win32
