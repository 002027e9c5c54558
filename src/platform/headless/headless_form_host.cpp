#include "platform/headless/headless_form_host.h"

#include <algorithm>

#include "platform/utf8_text.h"

namespace horalix::platform {

namespace {

std::string indexed(const std::string& owner, const std::string& name, int index) {
  std::string s = owner + "." + name;
  if (index >= 0) s += "(" + std::to_string(index) + ")";
  return s;
}

}  // namespace

std::string HeadlessFormHost::describe(const Control& control) {
  return indexed(control.form().name(), control.name(), control.index());
}

std::string HeadlessFormHost::describe(const MenuItem& item) {
  return indexed(item.form().name(), item.name(), item.index());
}

void HeadlessFormHost::runModal(const std::function<bool()>& stillOpen) {
  // The form that asked is the one marked modal that is not yet in the stack.
  Form* form = nullptr;
  for (Form* f : order_) {
    if (f->shownModal() && std::find(modal_.begin(), modal_.end(), f) == modal_.end()) {
      form = f;
      break;
    }
  }
  modal_.push_back(form);
  struct Pop {
    std::vector<Form*>& stack;
    ~Pop() { stack.pop_back(); }
  } pop{modal_};
  loop_.runModal(stillOpen, form ? "modal form " + form->name() : "modal form");
}

void HeadlessFormHost::bringToTop(Form& form) {
  std::erase(order_, &form);
  order_.insert(order_.begin(), &form);
}

void HeadlessFormHost::formLoaded(Form& form) {
  bringToTop(form);
  loads_.push_back(form.name());
  changes_.push_back({form.name(), Property::Loaded});
}

void HeadlessFormHost::formUnloaded(Form& form) {
  std::erase(order_, &form);
  changes_.push_back({form.name(), Property::Loaded});
}

void HeadlessFormHost::formChanged(Form& form, Property what) {
  if (what == Property::Visible && form.Visible()) bringToTop(form);
  if (what == Property::Topmost && form.topmost()) {
    ++raises_[form.name()];
    bringToTop(form);
  }
  changes_.push_back({form.name(), what});
}

void HeadlessFormHost::controlChanged(Control& control, Property what) {
  changes_.push_back({describe(control), what});
}

void HeadlessFormHost::menuChanged(MenuItem& item, Property what) {
  changes_.push_back({describe(item), what});
}

std::vector<Form*> HeadlessFormHost::zOrder() const {
  std::vector<Form*> z = order_;
  std::stable_partition(z.begin(), z.end(), [](const Form* f) { return f->topmost(); });
  return z;
}

Form* HeadlessFormHost::find(const std::string& name) const {
  for (Form* f : order_) {
    if (f->name() == name) return f;
  }
  return nullptr;
}

bool HeadlessFormHost::isLoaded(const Form& form) const {
  return std::find(order_.begin(), order_.end(), &form) != order_.end();
}

int HeadlessFormHost::raiseCount(const std::string& name) const {
  const auto it = raises_.find(name);
  return it == raises_.end() ? 0 : it->second;
}

int HeadlessFormHost::loadCount(const std::string& name) const {
  return static_cast<int>(std::count(loads_.begin(), loads_.end(), name));
}

void HeadlessFormHost::click(Control& control) {
  loop_.dispatch("click " + describe(control), [&] { control.click(); });
}

void HeadlessFormHost::click(MenuItem& item) {
  loop_.dispatch("click " + describe(item), [&] { item.click(); });
}

void HeadlessFormHost::type(Control& control, const std::string& text) {
  loop_.dispatch("type " + describe(control), [&] { control.userSetText(text); });
}

void HeadlessFormHost::typeKeys(Control& control, const std::string& text) {
  // One UTF-8 character at a time, as its code point.
  for (std::size_t i = 0; i < text.size();) {
    const int code = static_cast<int>(utf8::nextCodePoint(text, i));
    loop_.dispatch("key press in " + describe(control), [&] { control.userKeyPress(code); });
  }
}

void HeadlessFormHost::keyDown(Control& control, int keyCode, int shift) {
  loop_.dispatch("key down in " + describe(control), [&] { control.userKeyDown(keyCode, shift); });
}

void HeadlessFormHost::keyUp(Control& control, int keyCode, int shift) {
  loop_.dispatch("key up in " + describe(control), [&] { control.userKeyUp(keyCode, shift); });
}

void HeadlessFormHost::lostFocus(Control& control) {
  // The focus was in the control (a test moves it there first when it was not), then leaves.
  loop_.dispatch("focus leaves " + describe(control), [&] {
    if (!control.hasFocus()) control.userFocus();
    control.userBlur();
  });
}

void HeadlessFormHost::scroll(Control& control, int value) {
  loop_.dispatch("scroll " + describe(control), [&] { control.userScroll(value); });
}

void HeadlessFormHost::scrollArrow(Control& control, int step) {
  scroll(control, control.Value() + step);
}

namespace {

using MouseHandler = std::function<void(int, int, float, float)>;

// The handler is copied before it runs: it may unload its window.
void raiseMouse(const MouseHandler& handler, int button, int shift, float x, float y) {
  if (!handler) return;
  MouseHandler run = handler;
  run(button, shift, x, y);
}

void raiseDblClick(const std::function<void()>& handler) {
  if (!handler) return;
  std::function<void()> run = handler;
  run();
}

}  // namespace

void HeadlessFormHost::mouseDown(Form& form, int button, float x, float y, int shift) {
  loop_.dispatch("mouse down on " + form.name(),
                 [&] { raiseMouse(form.MouseDown, button, shift, x, y); });
}

void HeadlessFormHost::mouseMove(Form& form, int button, float x, float y, int shift) {
  loop_.dispatch("mouse move on " + form.name(),
                 [&] { raiseMouse(form.MouseMove, button, shift, x, y); });
}

void HeadlessFormHost::mouseUp(Form& form, int button, float x, float y, int shift) {
  loop_.dispatch("mouse up on " + form.name(),
                 [&] { raiseMouse(form.MouseUp, button, shift, x, y); });
}

void HeadlessFormHost::dblClick(Form& form) {
  loop_.dispatch("double click on " + form.name(), [&] { raiseDblClick(form.DblClick); });
}

void HeadlessFormHost::mouseDown(Control& control, int button, float x, float y, int shift) {
  loop_.dispatch("mouse down on " + describe(control),
                 [&] { raiseMouse(control.MouseDown, button, shift, x, y); });
}

void HeadlessFormHost::mouseMove(Control& control, int button, float x, float y, int shift) {
  loop_.dispatch("mouse move on " + describe(control),
                 [&] { raiseMouse(control.MouseMove, button, shift, x, y); });
}

void HeadlessFormHost::mouseUp(Control& control, int button, float x, float y, int shift) {
  loop_.dispatch("mouse up on " + describe(control),
                 [&] { raiseMouse(control.MouseUp, button, shift, x, y); });
}

void HeadlessFormHost::dblClick(Control& control) {
  loop_.dispatch("double click on " + describe(control), [&] { raiseDblClick(control.DblClick); });
}

}  // namespace horalix::platform
