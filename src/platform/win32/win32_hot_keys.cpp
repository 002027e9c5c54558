#include "platform/win32/win32_hot_keys.h"

namespace horalix::win32 {

Win32HotKeys::Win32HotKeys(DispatchGuard& guard)
    : window_(guard, L"Horalix hot keys",
              [this](UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                if (msg != WM_HOTKEY) return std::nullopt;
                if (onHotKey) onHotKey(static_cast<int>(wp));
                return 0;
              }) {}

Win32HotKeys::~Win32HotKeys() {
  for (int id : registered_) UnregisterHotKey(window_.hwnd(), id);
}

bool Win32HotKeys::registerKey(platform::Form&, int id, unsigned modifiers, int virtualKey) {
  // A hot key registered again under the same id would otherwise be kept beside the new one.
  if (registered_.erase(id) != 0) UnregisterHotKey(window_.hwnd(), id);
  // The modifier bits are the system's own: 1 Alt, 2 Ctrl, 4 Shift.
  const UINT mods = modifiers & (MOD_ALT | MOD_CONTROL | MOD_SHIFT);
  if (!RegisterHotKey(window_.hwnd(), id, mods, static_cast<UINT>(virtualKey))) return false;
  registered_.insert(id);
  return true;
}

void Win32HotKeys::unregisterKey(platform::Form&, int id) {
  if (registered_.erase(id) != 0) UnregisterHotKey(window_.hwnd(), id);
}

}  // namespace horalix::win32
