// The system's ANSI code page, the one the profile functions' "A" forms read and write.
#include <windows.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"

namespace horalix::win32 {

std::string Win32FileSystem::ansiToUtf8(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return toUtf8(wide);
}

std::string Win32FileSystem::utf8ToAnsi(std::string_view text) const {
  if (text.empty()) return {};
  const std::wstring wide = toWide(text);
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace horalix::win32
