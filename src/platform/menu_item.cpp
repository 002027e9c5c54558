// A menu item and the tree of items below it.
#include "platform/menu_item.h"

#include <algorithm>

#include "platform/forms.h"

namespace horalix::platform {

MenuItem::MenuItem(Form& owner, std::string name, int index, std::string caption)
    : owner_(owner), name_(std::move(name)), index_(index), caption_(std::move(caption)) {}

void MenuItem::changed(Property what) {
  if (owner_.loaded_) owner_.host_.menuChanged(*this, what);
}

void MenuItem::setCaption(const std::string& v) {
  setProperty(*this, caption_, v, Property::Caption);
}

void MenuItem::setEnabled(bool v) { setProperty(*this, enabled_, v, Property::Enabled); }

void MenuItem::setVisible(bool v) { setProperty(*this, visible_, v, Property::Visible); }

void MenuItem::setChecked(bool v) { setProperty(*this, checked_, v, Property::Checked); }

MenuItem& MenuItem::add(const std::string& name, int index, const std::string& caption) {
  auto item = std::make_unique<MenuItem>(owner_, name, index, caption);
  item->parent_ = this;
  children_.push_back(std::move(item));
  changed(Property::Items);
  return *children_.back();
}

bool MenuItem::removeChild(const MenuItem& child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [&](const auto& c) { return c.get() == &child; });
  if (it == children_.end()) return false;
  children_.erase(it);
  changed(Property::Items);
  return true;
}

void MenuItem::click() {
  if (!enabled_ || !visible_ || !Click) return;
  // Run a copy: the handler may remove this very item from its menu.
  const auto handler = Click;
  handler();
}

}  // namespace horalix::platform
