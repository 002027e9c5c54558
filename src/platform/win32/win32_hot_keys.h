// Global hot keys over RegisterHotKey, received by a hidden window of their own.
#pragma once

#include <set>

#include "platform/tray.h"
#include "platform/win32/message_window.h"

namespace horalix::win32 {

class Win32HotKeys final : public platform::HotKeys {
 public:
  explicit Win32HotKeys(DispatchGuard& guard);
  ~Win32HotKeys() override;

  bool registerKey(platform::Form& owner, int id, unsigned modifiers, int virtualKey) override;
  void unregisterKey(platform::Form& owner, int id) override;

 private:
  MessageWindow window_;
  std::set<int> registered_;
};

}  // namespace horalix::win32
