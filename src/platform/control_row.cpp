#include "platform/control_row.h"

#include <stdexcept>

namespace horalix::platform {

ControlRow::ControlRow(const Form::Binding& design, std::string_view name) : name_(name) {
  for (const auto& owned : design.controls()) {
    if (owned->name() != name || owned->index() < 0) continue;
    const auto at = static_cast<std::size_t>(owned->index());
    if (at >= controls_.size()) controls_.resize(at + 1, nullptr);
    controls_[at] = owned.get();
  }
}

Control* ControlRow::find(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= controls_.size()) return nullptr;
  return controls_[static_cast<std::size_t>(index)];
}

Control& ControlRow::operator[](int index) const {
  if (Control* control = find(index)) return *control;
  throw std::out_of_range("no control " + name_ + "(" + std::to_string(index) + ")");
}

Control& bindControl(const Form::Binding& design, std::string_view name) {
  return design.control(std::string(name));
}

}  // namespace horalix::platform
