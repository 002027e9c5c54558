#include "platform/win32/native_menu.h"

#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::MenuItem;

NativeMenu::NativeMenu(MenuItem& root, Kind kind, UINT firstCommand)
    : menu_(kind == Kind::MenuBar ? CreateMenu() : CreatePopupMenu()), firstCommand_(firstCommand) {
  if (menu_ != nullptr) append(menu_, root);
}

NativeMenu::~NativeMenu() {
  if (menu_ != nullptr) DestroyMenu(menu_);  // submenus go with it
}

void NativeMenu::append(HMENU menu, MenuItem& parent) {
  for (const auto& child : parent.children()) {
    MenuItem& item = *child;
    if (!item.Visible()) continue;
    if (item.Caption() == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (!item.Enabled()) flags |= MF_GRAYED;
    if (item.Checked()) flags |= MF_CHECKED;
    const std::wstring caption = toWide(item.Caption());
    if (!item.children().empty()) {
      HMENU sub = CreatePopupMenu();
      append(sub, item);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
      continue;
    }
    items_.push_back(&item);
    const UINT command = firstCommand_ + static_cast<UINT>(items_.size() - 1);
    AppendMenuW(menu, flags, command, caption.c_str());
  }
}

MenuItem* NativeMenu::itemFor(UINT command) const {
  if (command < firstCommand_) return nullptr;
  const std::size_t index = command - firstCommand_;
  return index < items_.size() ? items_[index] : nullptr;
}

bool menuContains(const MenuItem& root, const MenuItem* item) {
  for (const auto& child : root.children()) {
    if (child.get() == item || menuContains(*child, item)) return true;
  }
  return false;
}

}  // namespace horalix::win32
