// The list selection, tab stops, locked text, focus and typed keys of the forms model.
#include <stdexcept>

#include "platform/forms.h"

namespace horalix::platform {

namespace {
void checkRow(const std::vector<std::string>& rows, int index) {
  if (index < 0 || index >= static_cast<int>(rows.size())) {
    throw std::out_of_range("list index out of range");
  }
}
}  // namespace

bool Control::Selected(int index) const {
  checkRow(list_, index);
  if (!multiSelect_) return index == listIndex_;
  return selected_[static_cast<std::size_t>(index)];
}

void Control::setSelected(int index, bool v) {
  checkRow(list_, index);
  if (!multiSelect_) {
    // A single-selection list has only its ListIndex; setting Selected moves it quietly.
    if (v != (index == listIndex_)) listIndex_ = v ? index : -1;
    changed(Property::Value);
    return;
  }
  if (selected_[static_cast<std::size_t>(index)] == v) return;
  selected_[static_cast<std::size_t>(index)] = v;
  changed(Property::Value);
}

int Control::SelCount() const {
  if (!multiSelect_) return listIndex_ >= 0 ? 1 : 0;
  int n = 0;
  for (bool s : selected_) n += s ? 1 : 0;
  return n;
}

void Control::userSelect(const std::vector<bool>& selected, int focusRow) {
  if (focusRow != -1) checkRow(list_, focusRow);
  if (multiSelect_) {
    selected_ = selected;
    selected_.resize(list_.size(), false);
  }
  listIndex_ = focusRow;
  changed(Property::Value);
  if (Click) Click();
}

void Control::setTabStops(const std::vector<int>& stops) {
  setProperty(*this, tabStops_, stops, Property::List);
}

void Control::setLocked(bool v) { setProperty(*this, locked_, v, Property::Enabled); }

bool Control::hasFocus() const { return owner_.activeControl_ == this; }

void Control::userFocus() {
  Control* before = owner_.activeControl_;
  if (before == this) return;
  owner_.activeControl_ = this;
  if (before != nullptr && before->LostFocus) before->LostFocus();
}

void Control::userBlur() {
  if (owner_.activeControl_ != this) return;
  owner_.activeControl_ = nullptr;
  if (LostFocus) LostFocus();
}

void Control::SetFocus() {
  if (!visible_ || !enabled_) return;
  userFocus();
  changed(Property::Focus);
}

void Control::keyPress(int& KeyAscii) {
  if (KeyPress) KeyPress(KeyAscii);
}

void Control::userKeyDown(int keyCode, int shift) {
  if (KeyDown) KeyDown(keyCode, shift);
}

void Control::userKeyUp(int keyCode, int shift) {
  if (KeyUp) KeyUp(keyCode, shift);
}

}  // namespace horalix::platform
