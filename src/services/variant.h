// The values that the registry and INI routines pass around: Empty, a 32-bit whole number or
// text. Empty stands apart from 0 and "": it is what a read of a missing value gives.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace horalix {

using Variant = std::variant<std::monostate, std::int32_t, std::string>;

inline bool isEmpty(const Variant& value) { return std::holds_alternative<std::monostate>(value); }

// The value as text: Empty gives "", a number its decimal digits.
inline std::string variantText(const Variant& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  return "";
}

}  // namespace horalix
