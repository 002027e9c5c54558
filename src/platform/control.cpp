// The properties of a control, its list, its value and its clicks.
#include "platform/forms.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace horalix::platform {

Control::Control(Form& owner, std::string name, int index, ControlKind kind)
    : owner_(owner), name_(std::move(name)), index_(index), kind_(kind) {}

void Control::changed(Property what) {
  if (owner_.loaded_) owner_.host_.controlChanged(*this, what);
}

void Control::move(int left, int top, int width, int height) {
  auto place = std::tie(left_, top_, width_, height_);
  setProperty(*this, place, std::tie(left, top, width, height), Property::Geometry);
}

void Control::setVisible(bool v) {
  if (!setProperty(*this, visible_, v, Property::Visible)) return;
  for (auto& inner : owner_.controls_) {
    if (inner->isInside(*this)) inner->changed(Property::Visible);
  }
}

// A container comes before the controls inside it in the form, so every chain ends.
bool Control::isInside(const Control& container) const {
  for (const Control* at = containerControl(); at != nullptr; at = at->containerControl()) {
    if (at == &container) return true;
  }
  return false;
}

bool Control::visibleOnScreen() const {
  for (const Control* at = this; at != nullptr; at = at->containerControl()) {
    if (!at->visible_) return false;
  }
  return true;
}

void Control::setEnabled(bool v) { setProperty(*this, enabled_, v, Property::Enabled); }

void Control::setCaption(const std::string& v) {
  if (!setProperty(*this, caption_, v, Property::Caption)) return;
  fitToText();
}

void Control::setToolTipText(const std::string& v) {
  setProperty(*this, toolTipText_, v, Property::ToolTip);
}

void Control::setMousePointer(platform::MousePointer v) {
  setProperty(*this, mousePointer_, v, Property::Pointer);
}

namespace {

bool isScrollBar(ControlKind kind) {
  return kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar;
}

}  // namespace

bool Control::inRange(int v) const {
  return v >= std::min(min_, max_) && v <= std::max(min_, max_);
}

void Control::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  // The value is pulled into the new range quietly: Change is for a value that the user or the
  // code chose, and a window that sets a range before its value must not act on the clipped one.
  const int clipped = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  const bool moved = clipped != value_;
  value_ = clipped;
  changed(Property::Range);
  if (moved) changed(Property::Value);
}

void Control::userScroll(int v) {
  if (!enabled_) return;
  setValue(std::clamp(v, std::min(min_, max_), std::max(min_, max_)));
}

bool Control::setValue(int v) {
  if (isScrollBar(kind_) && !inRange(v)) return false;
  if (v == value_) return true;
  value_ = v;
  if (kind_ == ControlKind::OptionButton && v != 0) {
    // Option buttons of one container are one group: choosing one, from code or by a click,
    // clears the others (without running their Click).
    for (auto& other : owner_.controls_) {
      if (other.get() != this && other->kind_ == ControlKind::OptionButton && other->value_ &&
          other->container_ == container_) {
        other->value_ = 0;
        other->changed(Property::Value);
      }
    }
  }
  changed(Property::Value);
  if (kind_ == ControlKind::Slider || isScrollBar(kind_)) {
    if (Change) Change();
  } else if (Click) {
    Click();
  }
  return true;
}

void Control::addItem(const std::string& item) {
  list_.push_back(item);
  if (multiSelect_) selected_.push_back(false);
  changed(Property::List);
}

void Control::removeItem(int index) {
  if (index < 0 || index >= static_cast<int>(list_.size())) {
    throw std::out_of_range("list index out of range");
  }
  list_.erase(list_.begin() + index);
  if (multiSelect_) selected_.erase(selected_.begin() + index);
  // The selection stays on its item: removing it clears the selection, removing an item above
  // it moves it up by one.
  if (index == listIndex_) {
    listIndex_ = -1;
  } else if (index < listIndex_) {
    --listIndex_;
  }
  changed(Property::List);
}

void Control::clear() {
  list_.clear();
  selected_.clear();
  listIndex_ = -1;
  changed(Property::List);
}

bool Control::setListIndex(int v) {
  if (v < -1 || v >= static_cast<int>(list_.size())) return false;
  if (v == listIndex_) return true;
  listIndex_ = v;
  if (kind_ == ControlKind::ComboBox) caption_ = v >= 0 ? list_[v] : caption_;
  changed(Property::Value);
  if (Click) Click();
  return true;
}

void Control::setForeColor(std::uint32_t c) { setProperty(*this, foreColor_, c, Property::Colors); }

void Control::setBackColor(std::uint32_t c) { setProperty(*this, backColor_, c, Property::Colors); }

void Control::setFont(const FontSpec& f) {
  if (!setProperty(*this, font_, f, Property::Font)) return;
  fitToText();
}

void Control::setPicture(const std::string& path) { setPicture(path, 0, 0); }

void Control::setPicture(const std::string& path, int widthPx, int heightPx) {
  picture_ = path;
  pictureWidthPx_ = path.empty() ? 0 : widthPx;
  pictureHeightPx_ = path.empty() ? 0 : heightPx;
  changed(Property::Picture);
  if (autoSize_ && kind_ != ControlKind::Label) {
    move(left_, top_, pictureWidthPx_ * autoSizeTwipsPerPixel_,
         pictureHeightPx_ * autoSizeTwipsPerPixel_);
  }
}

FontSpec Control::realisedFont() const { return owner_.host_.fonts().realise(font_); }

void Control::setAutoSize(bool v, int twipsPerPixel) {
  autoSize_ = v;
  autoSizeTwipsPerPixel_ = twipsPerPixel;
  if (!v) return;
  if (kind_ == ControlKind::Label) {
    fitToText();
  } else {
    setPicture(picture_, pictureWidthPx_, pictureHeightPx_);
  }
}

void Control::fitToText() {
  if (!autoSize_ || kind_ != ControlKind::Label) return;
  const TextExtent e = owner_.host_.fonts().measure(font_, caption_);
  move(left_, top_, e.width, e.height);
}

void Control::click() {
  if (!enabled_) return;
  if (kind_ == ControlKind::CheckBox) {
    setValue(value_ == 1 ? 0 : 1);
  } else if (kind_ == ControlKind::OptionButton) {
    if (value_ != 1) {
      setValue(1);
    } else if (Click) {
      Click();
    }
  } else if (Click) {
    Click();
  }
}

}  // namespace horalix::platform
