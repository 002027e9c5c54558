// The notification-area icon, popup menus and global hot keys.
#pragma once

#include <functional>
#include <string>

#include "platform/desktop.h"

namespace horalix::platform {

class Form;
class MenuItem;

// Mouse events on the tray icon, decoded from the notification message.
enum class TrayMouse { LeftDown, LeftUp, LeftDouble, RightDown, RightUp, RightDouble };

class Tray {
 public:
  virtual ~Tray() = default;

  // Adds the icon owned by `owner` with its tip; false when the shell refused it.
  virtual bool add(Form& owner, const std::string& tip) = 0;
  virtual void setTip(const std::string& tip) = 0;
  // Shows the icon file (.ico) instead of the program's own icon. A backend that cannot load it
  // keeps the icon it shows.
  virtual void setIcon(const std::string& iconFile) { (void)iconFile; }
  // A balloon over the icon for `timeoutMs`.
  virtual void balloon(const std::string& title, const std::string& text, int timeoutMs) = 0;
  virtual void remove() = 0;
  // Called on every mouse event on the icon; also re-added by the backend when the task bar is
  // created anew (Explorer restarted).
  std::function<void(TrayMouse)> onMouse;

  // Shows a popup menu of `root`'s children at the cursor; `onMenuClosed` and then the chosen
  // item's Click run after the menu has closed. Returns when the menu is closed.
  virtual void popup(Form& owner, MenuItem& root) = 0;
  // The same at a point of the screen (pixels) instead of the cursor.
  virtual void popupAt(Form& owner, MenuItem& root, PixelPoint at) = 0;
  // Called when a popup menu has closed, before the chosen item's Click.
  std::function<void()> onMenuClosed;
};

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  // Modifier bits: 1 Alt, 2 Ctrl, 4 Shift. False when another program holds the combination.
  virtual bool registerKey(Form& owner, int id, unsigned modifiers, int virtualKey) = 0;
  virtual void unregisterKey(Form& owner, int id) = 0;
  std::function<void(int id)> onHotKey;
};

}  // namespace horalix::platform
