#include "platform/headless/headless_desktop.h"

#include <algorithm>
#include <stdexcept>

#include "platform/forms.h"

namespace horalix::platform {

// SM_CYFULLSCREEN is the work area less a caption bar: 1080 - 40 (task bar) - 23 (caption).
// The extended screen lies right of the primary one, as the clocks take it to.
HeadlessDesktop::HeadlessDesktop()
    : screens_{{0, 0, 1920, 1080}, {1920, 0, 3840, 1080}},
      fullScreen_{0, 0, 1920, 1017},
      cursor_(PixelPoint{960, 540}) {}

PixelRect HeadlessDesktop::virtualScreen() const {
  PixelRect all = screens_.front();
  for (const PixelRect& s : screens_) {
    all.left = std::min(all.left, s.left);
    all.top = std::min(all.top, s.top);
    all.right = std::max(all.right, s.right);
    all.bottom = std::max(all.bottom, s.bottom);
  }
  return all;
}

void HeadlessDesktop::setScreens(std::vector<PixelRect> screens) {
  if (screens.empty()) throw std::invalid_argument("a desktop has at least one screen");
  screens_ = std::move(screens);
}

void HeadlessDesktop::setTwipsPerPixel(int x, int y) {
  if (x <= 0 || y <= 0) throw std::invalid_argument("twips per pixel must be positive");
  twipsX_ = x;
  twipsY_ = y;
}

TopWindow* HeadlessDesktop::window(std::uintptr_t handle) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [&](const TopWindow& w) { return w.handle == handle; });
  return it == windows_.end() ? nullptr : &*it;
}

void HeadlessDesktop::raise(std::uintptr_t handle) {
  auto it = std::find_if(windows_.begin(), windows_.end(),
                         [&](const TopWindow& w) { return w.handle == handle; });
  if (it != windows_.end()) std::rotate(windows_.begin(), it, it + 1);
}

std::uintptr_t HeadlessDesktop::openWindow(const std::string& title, bool visible) {
  const std::uintptr_t handle = nextHandle_;
  nextHandle_ += 0x10;
  windows_.insert(windows_.begin(), TopWindow{handle, title, visible});
  return handle;
}

void HeadlessDesktop::closeWindow(std::uintptr_t handle) {
  std::erase_if(windows_, [&](const TopWindow& w) { return w.handle == handle; });
  if (foreground_ == handle) foreground_ = 0;
}

void HeadlessDesktop::setTitle(std::uintptr_t handle, const std::string& title) {
  TopWindow* w = window(handle);
  if (w == nullptr) throw std::invalid_argument("no such window");
  w->title = title;
}

void HeadlessDesktop::setForeground(std::uintptr_t handle) {
  if (handle != 0 && window(handle) == nullptr) throw std::invalid_argument("no such window");
  foreground_ = handle;
  raise(handle);
}

bool HeadlessDesktop::activate(std::uintptr_t handle) {
  activations_.push_back(handle);
  if (activationFails_ || window(handle) == nullptr) return false;
  foreground_ = handle;
  raise(handle);
  return true;
}

void HeadlessDesktop::pressKey(int virtualKey) { keys_.push_back({virtualKey, foreground_}); }

void HeadlessDesktop::sendToBottom(Form& form) { form.setTopmost(false); }

void HeadlessDesktop::dragWithPointer(Form& form) {
  drags_.push_back(form.name());
  form.move(form.Left() + dragDrop_.x * twipsX_, form.Top() + dragDrop_.y * twipsY_, form.Width(),
            form.Height());
}

bool HeadlessDesktop::useEnglishKeyboard() {
  ++keyboardSwitches_;
  if (keyboardFails_) return false;
  layout_ = "00000409";
  return true;
}

std::uint32_t HeadlessDesktop::systemColor(int element) const {
  const auto it = sysColors_.find(element);
  return it == sysColors_.end() ? 0xFFFFFFu : it->second;
}

}  // namespace horalix::platform
