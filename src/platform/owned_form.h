// A window built by the folder that declares it, held by one that need not see its class: the
// program's composition owns a subsystem's inner windows this way. The holder reaches the window
// as a form; where the class is seen (the subsystem itself, tests), also typed.
#pragma once

#include <memory>
#include <utility>

#include "platform/forms.h"

namespace horalix::platform {

template <class Window>
class OwnedForm final {
 public:
  OwnedForm(OwnedForm&&) noexcept = default;
  OwnedForm& operator=(OwnedForm&&) noexcept = default;

  Form& form() const { return *form_; }
  Window& window() const { return *window_; }

  // Builds the window; called where its class is seen.
  template <class... Args>
  static OwnedForm build(Args&&... args) {
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    Window* typed = window.get();
    return OwnedForm(std::move(window), typed);
  }

 private:
  OwnedForm(std::unique_ptr<Form> form, Window* window) : form_(std::move(form)), window_(window) {}

  std::unique_ptr<Form> form_;
  Window* window_;
};

}  // namespace horalix::platform
