#include "platform/win32/program_icon.h"

namespace horalix::win32 {

HICON programIcon(bool small) {
  const int cx = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
  const int cy = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
  HANDLE icon =
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, cx, cy, LR_SHARED);
  if (icon == nullptr) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  return static_cast<HICON>(icon);
}

}  // namespace horalix::win32
