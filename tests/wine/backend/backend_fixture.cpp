#include "backend_fixture.h"

#include <windows.h>

#include <optional>

#include "platform/timer.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"

namespace horalix::win32::test {

namespace {

std::string newTempFolder() {
  wchar_t base[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, base);
  static int counter = 0;
  const std::wstring path = std::wstring(base) + L"horalix-test-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++counter);
  CreateDirectoryW(path.c_str(), nullptr);
  return toUtf8(path);
}

void removeTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::TempFolder() : path_(newTempFolder()) {}
TempFolder::~TempFolder() { removeTree(toWide(path_)); }

Backend::Backend()
    : log(toWide(folder.file("backend.log"))), guard(log), loop(guard), forms(loop, guard) {
  guard.afterHandler = [this] { loop.rearm(); };
  forms.onLastFormUnloaded = [this] { ++lastFormsUnloaded; };
}

bool Backend::runUntil(const std::function<bool()>& done, int limitMs) {
  bool expired = false;
  platform::Timer limit(loop.timers(), "test.limit", limitMs, true);
  limit.onTick = [&] { expired = true; };
  loop.runModal([&] { return !expired && !done(); });
  return done();
}

std::string Backend::logText() const {
  Win32FileSystem files;
  return files.readAll(toUtf8(log.filePath())).value_or("");
}

}  // namespace horalix::win32::test
