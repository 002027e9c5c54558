#include "platform/win32/win32_log.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

// The log is for finding faults after the fact, not an archive: past this size it starts over.
constexpr LONGLONG kMaxLogBytes = 1024 * 1024;

std::wstring defaultLogPath() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, folder);
  if (n == 0 || n > MAX_PATH) return {};
  return std::wstring(folder, n) + L"Horalix.log";
}

}  // namespace

Win32Log::Win32Log() : Win32Log(defaultLogPath()) {}

Win32Log::Win32Log(std::wstring filePath) : filePath_(std::move(filePath)) {}

void Win32Log::write(const std::string& message) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth,
                t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
  const std::string line = stamp + message + "\r\n";

  const std::wstring wide = toWide("Horalix: " + line);
  OutputDebugStringW(wide.c_str());

  if (filePath_.empty()) return;
  HANDLE file = CreateFileW(filePath_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > kMaxLogBytes) {
    CloseHandle(file);
    file = CreateFileW(filePath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
  }
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace horalix::win32
