// The items of a form's menu bar and popup menus.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/form_property.h"

namespace horalix::platform {

class Form;

// A menu item with its design name and index; items form a tree and can be added and removed
// at run time. A caption of "-" is a separator.
class MenuItem {
 public:
  MenuItem(Form& owner, std::string name, int index, std::string caption);

  Form& form() const { return owner_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }

  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& v);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool Visible() const { return visible_; }
  void setVisible(bool v);
  bool Checked() const { return checked_; }
  void setChecked(bool v);

  MenuItem& add(const std::string& name, int index, const std::string& caption);
  // Removes a child item (and its children); false when it is not a child of this item.
  bool removeChild(const MenuItem& child);
  const std::vector<std::unique_ptr<MenuItem>>& children() const { return children_; }
  MenuItem* parent() const { return parent_; }

  std::function<void()> Click;
  void click();

 private:
  template <class Owner, class T>
  friend bool setProperty(Owner& owner, T& field, const T& value, Property what);
  void changed(Property what);

  Form& owner_;
  std::string name_;
  int index_;
  std::string caption_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

}  // namespace horalix::platform
