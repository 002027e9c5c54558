#include "platform/win32/win32_hot_keys.h"

#include <algorithm>

#include "platform/win32/common_controls.h"

namespace horalix::win32 {

namespace {
// The id of the hot-key subclass among the subclasses of a window.
constexpr UINT_PTR kSubclassId = 0x484B;
}  // namespace

Win32HotKeys::Win32HotKeys(DispatchGuard& guard, WindowOf windowOf)
    : guard_(guard),
      windowOf_(std::move(windowOf)),
      window_(guard, L"Horalix hot keys",
              [this](UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                if (msg != WM_HOTKEY) return std::nullopt;
                if (onHotKey) onHotKey(static_cast<int>(wp));
                return 0;
              }) {}

Win32HotKeys::~Win32HotKeys() {
  for (const auto& [window, id] : registered_) {
    UnregisterHotKey(window, id);
    if (window != window_.hwnd()) removeWindowSubclass(window, &subclassProc, kSubclassId);
  }
}

HWND Win32HotKeys::targetOf(const platform::Form& owner) const {
  HWND window = windowOf_ ? windowOf_(owner) : nullptr;
  return window != nullptr ? window : window_.hwnd();
}

bool Win32HotKeys::holdsKeys(HWND window) const {
  return std::any_of(registered_.begin(), registered_.end(),
                     [window](const auto& key) { return key.first == window; });
}

bool Win32HotKeys::registerKey(platform::Form& owner, int id, unsigned modifiers, int virtualKey) {
  const HWND window = targetOf(owner);
  // A hot key registered again under the same id would otherwise be kept beside the new one.
  if (registered_.erase({window, id}) != 0) UnregisterHotKey(window, id);
  // The modifier bits are the system's own: 1 Alt, 2 Ctrl, 4 Shift.
  const UINT mods = modifiers & (MOD_ALT | MOD_CONTROL | MOD_SHIFT);
  if (!RegisterHotKey(window, id, mods, static_cast<UINT>(virtualKey))) return false;
  if (window != window_.hwnd() && !holdsKeys(window)) {
    setWindowSubclass(window, &subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  registered_.insert({window, id});
  return true;
}

void Win32HotKeys::unregisterKey(platform::Form& owner, int id) {
  const HWND window = targetOf(owner);
  if (registered_.erase({window, id}) == 0) return;
  UnregisterHotKey(window, id);
  // The window's own procedure is back once it holds no key.
  if (window != window_.hwnd() && !holdsKeys(window)) {
    removeWindowSubclass(window, &subclassProc, kSubclassId);
  }
}

void Win32HotKeys::pressed(int id) {
  guard_.run("hot key " + std::to_string(id), [&] {
    if (onHotKey) onHotKey(id);
  });
}

void Win32HotKeys::forget(HWND window) {
  for (auto it = registered_.begin(); it != registered_.end();) {
    if (it->first != window) {
      ++it;
      continue;
    }
    UnregisterHotKey(window, it->second);
    it = registered_.erase(it);
  }
  removeWindowSubclass(window, &subclassProc, kSubclassId);
}

LRESULT CALLBACK Win32HotKeys::subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32HotKeys*>(data);
  if (msg == WM_HOTKEY) {
    self->pressed(static_cast<int>(wp));
    return 0;
  }
  if (msg == WM_NCDESTROY) self->forget(hwnd);
  return defSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace horalix::win32
