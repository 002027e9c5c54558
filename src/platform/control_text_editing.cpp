// The text of text boxes and combo boxes, the caret and typing.
#include "platform/forms.h"

#include <algorithm>

#include "platform/utf8_text.h"

namespace horalix::platform {

namespace {

// Length of a text in characters.
int Len(const std::string& s) { return static_cast<int>(utf8::charCount(s)); }

}  // namespace

bool Control::setText(const std::string& v) {
  if (kind_ == ControlKind::ComboBox && dropdownList_) {
    const auto it = std::find(list_.begin(), list_.end(), v);
    if (it == list_.end()) return false;
    return setListIndex(static_cast<int>(it - list_.begin()));
  }
  if (v == caption_) return true;
  caption_ = v;
  changed(Property::Caption);
  fitToText();
  if (selStart_ > Len(caption_)) setSelStart(Len(caption_));
  if (Change) Change();
  return true;
}

void Control::userSetText(const std::string& v) { setText(v); }

void Control::setSelStart(int v) {
  v = std::clamp(v, 0, Len(caption_));
  setProperty(*this, selStart_, v, Property::Caret);
}

int Control::filterKey(int keyAscii) {
  if (KeyPress) KeyPress(keyAscii);
  return keyAscii;
}

int Control::userKeyPress(int keyAscii) {
  keyAscii = filterKey(keyAscii);
  if (keyAscii == 0 || locked_ || kind_ != ControlKind::TextBox) return keyAscii;
  const int caret = std::min(selStart_, Len(caption_));
  const std::size_t at = utf8::charOffset(caption_, static_cast<std::size_t>(caret));
  std::string text = caption_;
  int newCaret = caret;
  if (keyAscii == 8) {
    if (caret == 0) return keyAscii;
    const std::size_t from = utf8::charOffset(caption_, static_cast<std::size_t>(caret - 1));
    text.erase(from, at - from);
    newCaret = caret - 1;
  } else if (keyAscii == 13) {
    return keyAscii;
  } else {
    text.insert(at, utf8::encode(static_cast<char32_t>(keyAscii)));
    newCaret = caret + 1;
  }
  // The caret moves before Change runs, so that a handler that sets it has the last word.
  selStart_ = newCaret;
  setText(text);
  changed(Property::Caret);
  return keyAscii;
}

}  // namespace horalix::platform
