#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

// Hidden and system files are not "normal" files: a listing with the normal attribute skips
// them, and folders too.
constexpr DWORD kNotNormal =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A directory search that closes itself.
class FileSearch {
 public:
  explicit FileSearch(const std::wstring& pattern)
      : handle_(FindFirstFileW(pattern.c_str(), &data_)) {}
  ~FileSearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;

  bool found() const { return handle_ != INVALID_HANDLE_VALUE; }
  const WIN32_FIND_DATAW& current() const { return data_; }
  bool next() { return FindNextFileW(handle_, &data_) != 0; }

 private:
  WIN32_FIND_DATAW data_{};
  HANDLE handle_;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : handle_(h) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

std::wstring joinPath(const std::string& folder, const std::string& name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return toWide(path + name);
}

bool writeWholeFile(const std::wstring& path, const std::string& content) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD written = 0;
  return content.empty() || (WriteFile(file.get(), content.data(),
                                       static_cast<DWORD>(content.size()), &written, nullptr) &&
                             written == content.size());
}

}  // namespace

std::string folderOfModulePath(const std::string& modulePath) {
  const std::size_t slash = modulePath.find_last_of("\\/");
  if (slash == std::string::npos) return modulePath;
  std::string folder = modulePath.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

std::string Win32FileSystem::programFolder() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return folderOfModulePath(toUtf8(path));
}

bool Win32FileSystem::normalFileExists(const std::string& path) const {
  const std::wstring wide = toWide(path);
  // A name without wildcards that is not there at all needs no directory search (the sibling
  // watch asks for a missing program several times a second).
  if (wide.find_first_of(L"*?<>\"") == std::wstring::npos &&
      GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return false;
  }
  FileSearch search(wide);
  if (!search.found()) return false;
  do {
    if ((search.current().dwFileAttributes & kNotNormal) == 0) return true;
  } while (search.next());
  return false;
}

bool Win32FileSystem::folderExists(const std::string& path) const {
  const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::isInUse(const std::string& path) const {
  // Opening for reading and writing without sharing fails while any other handle is open on
  // the file (a running program's own image included), and for a file we may not write.
  FileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return !file.valid();
}

std::optional<std::string> Win32FileSystem::readAll(const std::string& path) const {
  FileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!content.empty() &&
      !ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr)) {
    return std::nullopt;
  }
  content.resize(read);
  return content;
}

bool Win32FileSystem::writeAll(const std::string& path, const std::string& content) {
  // Written beside the file and moved over it, so that a failure half-way (a full disk, the
  // program ended) leaves the old content rather than a cut one.
  const std::wstring target = toWide(path);
  const std::wstring fresh = target + L".new";
  if (writeWholeFile(fresh, content) &&
      MoveFileExW(fresh.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(fresh.c_str());
  return writeWholeFile(target, content);
}

bool Win32FileSystem::copy(const std::string& from, const std::string& to, bool overwrite) {
  return CopyFileW(toWide(from).c_str(), toWide(to).c_str(), overwrite ? FALSE : TRUE) != 0;
}

bool Win32FileSystem::remove(const std::string& path) {
  return DeleteFileW(toWide(path).c_str()) != 0;
}

bool Win32FileSystem::createFolder(const std::string& path) {
  return CreateDirectoryW(toWide(path).c_str(), nullptr) != 0 ||
         (GetLastError() == ERROR_ALREADY_EXISTS && folderExists(path));
}

std::vector<std::string> Win32FileSystem::list(const std::string& folder,
                                               const std::string& pattern) const {
  std::vector<std::string> names;
  FileSearch search(joinPath(folder, pattern));
  if (!search.found()) return names;
  do {
    if ((search.current().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      names.push_back(toUtf8(search.current().cFileName));
    }
  } while (search.next());
  return names;
}

namespace {

// A folder that a system call writes into a buffer; "" when the call fails.
template <typename Call>
std::string systemPath(Call call) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT length = call(buffer, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return "";
  return toUtf8(std::wstring_view(buffer, length));
}

}  // namespace

std::string Win32FileSystem::windowsFolder() const {
  return systemPath([](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::string Win32FileSystem::systemFolder() const {
  return systemPath([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

}  // namespace horalix::win32
