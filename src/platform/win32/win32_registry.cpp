#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::RegData;
using platform::RegRoot;
namespace regtype = platform::regtype;

namespace {

// Query, set value, create subkey, enumerate subkeys, notify, create link: the program's own
// access mask, without the standard rights of KEY_ALL_ACCESS.
constexpr REGSAM kAccess = 0x3F;

HKEY rootKey(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

// An open key that closes itself.
class OpenKey {
 public:
  OpenKey() = default;
  OpenKey(RegRoot root, const std::string& path, REGSAM access) { open(root, path, access); }
  ~OpenKey() { close(); }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  long open(RegRoot root, const std::string& path, REGSAM access) {
    close();
    result_ = RegOpenKeyExW(rootKey(root), toWide(path).c_str(), 0, access, &key_);
    if (result_ != ERROR_SUCCESS) key_ = nullptr;
    return result_;
  }
  HKEY get() const { return key_; }
  long result() const { return result_; }
  long close() {
    if (key_ == nullptr) return ERROR_SUCCESS;
    const long closed = RegCloseKey(key_);
    key_ = nullptr;
    return closed;
  }

 private:
  HKEY key_ = nullptr;
  long result_ = ERROR_FILE_NOT_FOUND;
};

}  // namespace

long Win32Registry::createKey(RegRoot root, const std::string& path) {
  HKEY key = nullptr;
  const long result = RegCreateKeyExW(rootKey(root), toWide(path).c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS) RegCloseKey(key);
  return result;
}

bool Win32Registry::keyExists(RegRoot root, const std::string& path) {
  OpenKey key(root, path, KEY_READ);
  return key.result() == ERROR_SUCCESS;
}

long Win32Registry::deleteKey(RegRoot root, const std::string& path) {
  OpenKey key(root, path, kAccess);
  if (key.result() != ERROR_SUCCESS) return key.result();
  // The key itself, relative to its root; the registry refuses a key that has subkeys.
  return RegDeleteKeyW(rootKey(root), toWide(path).c_str());
}

long Win32Registry::setValue(RegRoot root, const std::string& path, const std::string& name,
                             const RegData& value) {
  OpenKey key(root, path, kAccess);
  if (key.result() != ERROR_SUCCESS) return key.result();
  const std::wstring wideName = toWide(name);
  if (value.type == regtype::Sz || value.type == regtype::ExpandSz ||
      value.type == regtype::MultiSz) {
    std::wstring text = toWide(value.data);
    // A text is stored with its terminating NUL; a caller that gave it keeps exactly that.
    if (text.empty() || text.back() != L'\0') text.push_back(L'\0');
    return RegSetValueExW(key.get(), wideName.c_str(), 0, value.type,
                          reinterpret_cast<const BYTE*>(text.data()),
                          static_cast<DWORD>(text.size() * sizeof(wchar_t)));
  }
  return RegSetValueExW(key.get(), wideName.c_str(), 0, value.type,
                        reinterpret_cast<const BYTE*>(value.data.data()),
                        static_cast<DWORD>(value.data.size()));
}

long Win32Registry::queryValue(RegRoot root, const std::string& path, const std::string& name,
                               RegData& out) {
  lastCloseFailed_ = false;
  OpenKey key;
  long opened = key.open(root, path, kAccess);
  // HKEY_CLASSES_ROOT merges the machine's classes, where a normal user has no set right: a
  // reader then asks for read access only.
  if (opened == ERROR_ACCESS_DENIED) opened = key.open(root, path, KEY_READ);
  if (opened != ERROR_SUCCESS) return opened;

  const std::wstring wideName = toWide(name);
  DWORD type = 0;
  DWORD size = 0;
  long result = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
  std::string bytes;
  if (result == ERROR_SUCCESS) {
    bytes.resize(size);
    result = RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(bytes.data()), &size);
    bytes.resize(size);
  }
  lastCloseFailed_ = key.close() != ERROR_SUCCESS;
  if (result != ERROR_SUCCESS) return result;

  out.type = type;
  if (type == regtype::Sz || type == regtype::ExpandSz || type == regtype::MultiSz) {
    // The stored text with its terminating NUL(s), as the registry holds it.
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    bytes.copy(reinterpret_cast<char*>(text.data()), text.size() * sizeof(wchar_t));
    out.data = toUtf8(text);
  } else {
    out.data = std::move(bytes);
  }
  return ERROR_SUCCESS;
}

long Win32Registry::deleteValue(RegRoot root, const std::string& path, const std::string& name) {
  OpenKey key(root, path, kAccess);
  if (key.result() != ERROR_SUCCESS) return key.result();
  return RegDeleteValueW(key.get(), toWide(name).c_str());
}

}  // namespace horalix::win32
