// The desktop around the program's windows: screens, cursor, other programs' windows, keyboard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace horalix::platform {

class Form;

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

struct PixelPoint {
  int x = 0, y = 0;
};

// Another program's top-level window, by an opaque handle.
struct TopWindow {
  std::uintptr_t handle = 0;
  std::string title;
  bool visible = true;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Twips per pixel (15 at 96 DPI).
  virtual int twipsPerPixelX() const = 0;
  virtual int twipsPerPixelY() const = 0;
  // The primary screen in pixels, and its work area without the task bar
  // (SM_CXFULLSCREEN/SM_CYFULLSCREEN).
  virtual PixelRect primaryScreen() const = 0;
  virtual PixelRect fullScreenArea() const = 0;
  virtual int screenCount() const = 0;
  // The whole virtual screen over every monitor.
  virtual PixelRect virtualScreen() const = 0;

  virtual std::optional<PixelPoint> cursorPos() const = 0;

  // Top-level windows in z-order, topmost first.
  virtual std::vector<TopWindow> topWindows() const = 0;
  virtual std::uintptr_t foregroundWindow() const = 0;
  // Brings a window to the foreground; true when it is the foreground window afterwards.
  virtual bool activate(std::uintptr_t handle) = 0;
  // Synthesises a key press and release (a virtual-key code) to the focused window.
  virtual void pressKey(int virtualKey) = 0;

  // Puts the window at the bottom of the window order, where it covers no other window. A
  // window in the topmost band leaves it (as the system does), so its form is no longer
  // topmost until it is put there again.
  virtual void sendToBottom(Form& form) = 0;
  // Lets the user move the window with the pointer, as by its caption, until the left button
  // is released; returns after the drop. A desktop without a pointer leaves the window where
  // it is.
  virtual void dragWithPointer(Form& form) { (void)form; }

  // Loads and activates the US English keyboard layout ("00000409").
  virtual bool useEnglishKeyboard() = 0;

  // The colour of a display element of the system (5 is the window background), 0x00BBGGRR.
  // Setting it changes it for the user's whole desktop until it is set again.
  virtual std::uint32_t systemColor(int element) const = 0;
  virtual void setSystemColor(int element, std::uint32_t color) = 0;
};

}  // namespace horalix::platform
