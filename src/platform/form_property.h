// The properties of forms, controls and menu items whose changes a backend mirrors.
#pragma once

namespace horalix::platform {

// Which property changed, so that a backend mirrors only that.
enum class Property {
  Geometry,
  Visible,
  Enabled,
  Caption,
  Value,
  List,
  Colors,
  Font,
  Picture,
  Topmost,
  Loaded,
  Checked,
  Items,
  Drawing,  // a picture box's persistent image
  Region,   // a window's outline
  Layered,  // a window's colour key and opacity
  Focus,    // a control was given the keyboard focus by code
  Range,    // a scroll bar's Min and Max
  Caret,    // a text box's caret (SelStart)
  ToolTip,  // a control's tool-tip text
  Pointer,  // the mouse pointer of a window or control
};

// Stores `value` in an owner's property `field` and tells the owner (its `changed`) which
// property changed; a value equal to the one held changes nothing and tells no one. Returns
// whether the property changed.
template <class Owner, class T>
bool setProperty(Owner& owner, T& field, const T& value, Property what) {
  if (field == value) return false;
  field = value;
  owner.changed(what);
  return true;
}

}  // namespace horalix::platform
