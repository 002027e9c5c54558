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
// Keys kept open for reading: the program reads from a handful.
constexpr std::size_t kKeptKeys = 8;
// A first read of a value goes into this many bytes; a larger value is read again.
constexpr DWORD kFirstReadBytes = 512;

// Whether `path` is `key` or lies below it; key names compare without regard to case.
bool atOrBelow(const std::wstring& path, const std::wstring& key) {
  if (path.size() < key.size()) return false;
  if (path.size() > key.size() && path[key.size()] != L'\\') return false;
  return CompareStringOrdinal(path.c_str(), static_cast<int>(key.size()), key.c_str(),
                              static_cast<int>(key.size()), TRUE) == CSTR_EQUAL;
}

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

// The key of a kept read: the path and the name as the caller spelled them.
std::string readKeyOf(const std::string& path, const std::string& name) {
  return path + std::string(1, '\0') + name;
}

}  // namespace

Win32Registry::~Win32Registry() {
  for (const KeptKey& kept : kept_) RegCloseKey(kept.key);
}

HKEY Win32Registry::readKey(RegRoot root, const std::string& path, long& result) {
  const std::wstring wide = toWide(path);
  for (auto it = kept_.begin(); it != kept_.end(); ++it) {
    if (it->root == root && it->path.size() == wide.size() && atOrBelow(wide, it->path)) {
      kept_.splice(kept_.begin(), kept_, it);
      result = ERROR_SUCCESS;
      return kept_.front().key;
    }
  }
  HKEY key = nullptr;
  result = RegOpenKeyExW(rootKey(root), wide.c_str(), 0, kAccess, &key);
  // HKEY_CLASSES_ROOT merges the machine's classes, where a normal user has no set right: a
  // reader then asks for read access only.
  if (result == ERROR_ACCESS_DENIED)
    result = RegOpenKeyExW(rootKey(root), wide.c_str(), 0, KEY_READ, &key);
  if (result != ERROR_SUCCESS) return nullptr;
  if (kept_.size() >= kKeptKeys) {
    RegCloseKey(kept_.back().key);
    kept_.pop_back();
  }
  kept_.push_front({root, wide, key});
  return key;
}

void Win32Registry::forget(RegRoot root, const std::wstring& path) {
  for (auto it = kept_.begin(); it != kept_.end();) {
    if (it->root == root && atOrBelow(it->path, path)) {
      RegCloseKey(it->key);
      it = kept_.erase(it);
    } else {
      ++it;
    }
  }
}

long Win32Registry::readValue(HKEY key, const std::wstring& name, DWORD& type, std::string& bytes) {
  DWORD size = kFirstReadBytes;
  long result = ERROR_MORE_DATA;
  // A value that grows between the reads is read again.
  for (int attempt = 0; attempt < 3 && result == ERROR_MORE_DATA; ++attempt) {
    bytes.resize(size);
    result = RegQueryValueExW(key, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(bytes.data()), &size);
  }
  if (result == ERROR_SUCCESS) bytes.resize(size);
  return result;
}

long Win32Registry::createKey(RegRoot root, const std::string& path) {
  dropReads();
  HKEY key = nullptr;
  const long result = RegCreateKeyExW(rootKey(root), toWide(path).c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS) RegCloseKey(key);
  return result;
}

bool Win32Registry::keepsReads(RegRoot root) {
  if (root != RegRoot::CurrentUser) return false;
  // Both kinds of read are asked, so that each forgets what it kept from before a change.
  const bool keys = keys_.current();
  return reads_.current() && keys;
}

void Win32Registry::dropReads() {
  reads_.drop();
  keys_.drop();
}

bool Win32Registry::keyExists(RegRoot root, const std::string& path) {
  const bool keep = keepsReads(root);
  if (keep) {
    if (const auto kept = keys_.values.find(path); kept != keys_.values.end()) return kept->second;
  }
  long result = ERROR_SUCCESS;
  HKEY key = readKey(root, path, result);
  if (key == nullptr) {
    if (keep) keys_.values[path] = false;
    return false;
  }
  // A kept key may have been deleted since (by the scripting shell, the add-in, another
  // program): it is opened anew, which finds a key made again under the same name.
  bool exists = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr) != ERROR_KEY_DELETED;
  if (!exists) {
    forget(root, toWide(path));
    exists = readKey(root, path, result) != nullptr;
  }
  if (keep) keys_.values[path] = exists;
  return exists;
}

long Win32Registry::deleteKey(RegRoot root, const std::string& path) {
  dropReads();
  forget(root, toWide(path));
  OpenKey key(root, path, kAccess);
  if (key.result() != ERROR_SUCCESS) return key.result();
  // The key itself, relative to its root; the registry refuses a key that has subkeys.
  return RegDeleteKeyW(rootKey(root), toWide(path).c_str());
}

long Win32Registry::setValue(RegRoot root, const std::string& path, const std::string& name,
                             const RegData& value) {
  dropReads();
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
  if (!keepsReads(root)) return readFromRegistry(root, path, name, out);
  const std::string key = readKeyOf(path, name);
  auto kept = reads_.values.find(key);
  if (kept == reads_.values.end()) {
    KeptRead read{ERROR_SUCCESS, {}};
    read.result = readFromRegistry(root, path, name, read.value);
    kept = reads_.values.emplace(key, std::move(read)).first;
  }
  if (kept->second.result == ERROR_SUCCESS) out = kept->second.value;
  return kept->second.result;
}

long Win32Registry::readFromRegistry(RegRoot root, const std::string& path, const std::string& name,
                                     RegData& out) {
  long opened = ERROR_SUCCESS;
  HKEY key = readKey(root, path, opened);
  if (key == nullptr) return opened;
  const std::wstring wideName = toWide(name);
  DWORD type = 0;
  std::string bytes;
  long result = readValue(key, wideName, type, bytes);
  if (result == ERROR_KEY_DELETED) {
    // Deleted since it was kept: read from the key of that name now, if there is one.
    forget(root, toWide(path));
    key = readKey(root, path, opened);
    if (key == nullptr) return opened;
    result = readValue(key, wideName, type, bytes);
  }
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
  dropReads();
  OpenKey key(root, path, kAccess);
  if (key.result() != ERROR_SUCCESS) return key.result();
  return RegDeleteValueW(key.get(), toWide(name).c_str());
}

}  // namespace horalix::win32
