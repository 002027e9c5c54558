// A native menu built from a menu item tree of the forms model: the form's menu bar or a popup.
// Hidden items are left out, "-" is a separator, an item with children opens a submenu.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/forms.h"

namespace horalix::win32 {

class NativeMenu {
 public:
  enum class Kind { MenuBar, Popup };

  // Menu commands are numbered from `firstCommand` on.
  NativeMenu(platform::MenuItem& root, Kind kind, UINT firstCommand);
  ~NativeMenu();
  NativeMenu(const NativeMenu&) = delete;
  NativeMenu& operator=(const NativeMenu&) = delete;

  HMENU handle() const { return menu_; }
  bool empty() const { return items_.empty(); }
  // The item of a command, or null.
  platform::MenuItem* itemFor(UINT command) const;

 private:
  void append(HMENU menu, platform::MenuItem& parent);

  HMENU menu_ = nullptr;
  UINT firstCommand_;
  std::vector<platform::MenuItem*> items_;
};

// True when `item` still belongs to the tree under `root` (a handler that ran while a menu was
// open may have removed it).
bool menuContains(const platform::MenuItem& root, const platform::MenuItem* item);

}  // namespace horalix::win32
