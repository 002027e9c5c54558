// The desktop over user32: screen metrics, the cursor, other programs' top-level windows, the
// keyboard, and the pointer's drag of the program's own windows.
#pragma once

#include "platform/desktop.h"
#include "platform/win32/win32_form_host.h"

namespace horalix::win32 {

class Win32Desktop final : public platform::Desktop {
 public:
  explicit Win32Desktop(Win32FormHost& forms) : forms_(forms) {}

  int twipsPerPixelX() const override;
  int twipsPerPixelY() const override;
  platform::PixelRect primaryScreen() const override;
  platform::PixelRect fullScreenArea() const override;
  int screenCount() const override;
  platform::PixelRect virtualScreen() const override;
  std::optional<platform::PixelPoint> cursorPos() const override;
  std::vector<platform::TopWindow> topWindows() const override;
  std::uintptr_t foregroundWindow() const override;
  bool activate(std::uintptr_t handle) override;
  void pressKey(int virtualKey) override;
  void sendToBottom(platform::Form& form) override;
  void dragWithPointer(platform::Form& form) override;
  bool useEnglishKeyboard() override;
  std::uint32_t systemColor(int element) const override;
  void setSystemColor(int element, std::uint32_t color) override;

 private:
  Win32FormHost& forms_;
};

}  // namespace horalix::win32
