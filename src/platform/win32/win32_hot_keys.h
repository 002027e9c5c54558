// Global hot keys over RegisterHotKey, registered for the owner form's own window, whose window
// procedure is subclassed while it holds keys so that WM_HOTKEY reaches the program. A form
// without a window (not loaded) has its keys received by a hidden window of the backend's own.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <utility>

#include "platform/tray.h"
#include "platform/win32/message_window.h"

namespace horalix::win32 {

class Win32HotKeys final : public platform::HotKeys {
 public:
  // `windowOf` finds the window of a loaded form (null when it has none).
  using WindowOf = std::function<HWND(const platform::Form&)>;

  explicit Win32HotKeys(DispatchGuard& guard, WindowOf windowOf = {});
  ~Win32HotKeys() override;
  Win32HotKeys(const Win32HotKeys&) = delete;
  Win32HotKeys& operator=(const Win32HotKeys&) = delete;

  bool registerKey(platform::Form& owner, int id, unsigned modifiers, int virtualKey) override;
  void unregisterKey(platform::Form& owner, int id) override;

 private:
  static LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR self);
  HWND targetOf(const platform::Form& owner) const;
  void pressed(int id);
  bool holdsKeys(HWND window) const;
  // The window is being destroyed: its keys and its subclassing end with it.
  void forget(HWND window);

  DispatchGuard& guard_;
  WindowOf windowOf_;
  MessageWindow window_;
  std::set<std::pair<HWND, int>> registered_;
};

}  // namespace horalix::win32
