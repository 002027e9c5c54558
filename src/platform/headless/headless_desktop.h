// A desktop that a test sets up: screens, cursor, other programs' windows, the foreground
// window. What the program does to it (activations, key presses, keyboard layout) is recorded for
// the test to read.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace horalix::platform {

struct KeyPress {
  int virtualKey = 0;
  std::uintptr_t target = 0;  // the foreground window that received it (0: none)
};

class HeadlessDesktop final : public Desktop {
 public:
  // A primary 1920 x 1080 screen with a task bar of 40 pixels at the bottom, and an extended
  // screen of the same size to its right; no other windows.
  HeadlessDesktop();

  int twipsPerPixelX() const override { return twipsX_; }
  int twipsPerPixelY() const override { return twipsY_; }
  PixelRect primaryScreen() const override { return screens_.front(); }
  PixelRect fullScreenArea() const override { return fullScreen_; }
  int screenCount() const override { return static_cast<int>(screens_.size()); }
  PixelRect virtualScreen() const override;
  std::optional<PixelPoint> cursorPos() const override { return cursor_; }
  std::vector<TopWindow> topWindows() const override { return windows_; }
  std::uintptr_t foregroundWindow() const override { return foreground_; }
  bool activate(std::uintptr_t handle) override;
  void pressKey(int virtualKey) override;
  void sendToBottom(Form& form) override;
  // The window moves by the drop set with setDragDrop (not at all without one).
  void dragWithPointer(Form& form) override;
  bool useEnglishKeyboard() override;
  // Every element starts white.
  std::uint32_t systemColor(int element) const override;
  void setSystemColor(int element, std::uint32_t color) override { sysColors_[element] = color; }

  // ---- the test's model ----

  // The first screen is the primary one. The full-screen area keeps its own setting.
  void setScreens(std::vector<PixelRect> screens);
  void setFullScreenArea(const PixelRect& area) { fullScreen_ = area; }
  void setTwipsPerPixel(int x, int y);
  void setCursor(std::optional<PixelPoint> at) { cursor_ = at; }
  // Opens another program's window on top of the others; returns its handle.
  std::uintptr_t openWindow(const std::string& title, bool visible = true);
  void closeWindow(std::uintptr_t handle);
  void setTitle(std::uintptr_t handle, const std::string& title);
  // The user brings a window to the front (0: the desktop itself).
  void setForeground(std::uintptr_t handle);
  // Makes activate() fail, as the system's foreground lock does.
  void setActivationFails(bool fails) { activationFails_ = fails; }
  void setKeyboardSwitchFails(bool fails) { keyboardFails_ = fails; }
  // Where the user drops a window that the program lets them drag: this many pixels away from
  // where the drag began.
  void setDragDrop(int dxPixels, int dyPixels) { dragDrop_ = PixelPoint{dxPixels, dyPixels}; }

  // ---- what the program did ----

  const std::vector<std::uintptr_t>& activations() const { return activations_; }
  const std::vector<KeyPress>& keys() const { return keys_; }
  int keyboardSwitches() const { return keyboardSwitches_; }
  // The windows dragged with the pointer, by name, in order.
  const std::vector<std::string>& drags() const { return drags_; }
  const std::string& keyboardLayout() const { return layout_; }

 private:
  TopWindow* window(std::uintptr_t handle);
  void raise(std::uintptr_t handle);

  int twipsX_ = 15, twipsY_ = 15;
  std::vector<PixelRect> screens_;
  PixelRect fullScreen_;
  std::optional<PixelPoint> cursor_;
  std::vector<TopWindow> windows_;  // topmost first
  std::uintptr_t foreground_ = 0;
  std::uintptr_t nextHandle_ = 0x10010;
  bool activationFails_ = false, keyboardFails_ = false;
  std::vector<std::uintptr_t> activations_;
  std::vector<KeyPress> keys_;
  PixelPoint dragDrop_;
  std::vector<std::string> drags_;
  int keyboardSwitches_ = 0;
  std::string layout_ = "00000804";
  std::map<int, std::uint32_t> sysColors_;
};

}  // namespace horalix::platform
