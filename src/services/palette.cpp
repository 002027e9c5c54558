#include "services/palette.h"

#include <algorithm>
#include <array>

#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

std::int16_t toInteger(std::int32_t v) {
  if (v < -32768 || v > 32767) throw RuntimeError(RuntimeErrorCode::Overflow);
  return static_cast<std::int16_t>(v);
}

// Black, maroon, magenta, red, yellow, olive, lime green, green, teal, blue, navy, light blue,
// cyan, purple, grey, silver, white.
constexpr std::array<std::uint32_t, 17> kPalette = {
    0x000000, 0x000080, 0xFF00FF, 0x0000FF, 0x00FFFF, 0x008080, 0x00FF00, 0x008000, 0x808000,
    0xFF0000, 0x800000, 0xFFC0C0, 0xFFFF00, 0x800080, 0x808080, 0xC0C0C0, 0xFFFFFF,
};

}  // namespace

std::int16_t FontSizeByIndex(int index) {
  const std::int32_t i = toInteger(index);
  return toInteger(i <= 18 ? (i + 2) * 5 : 100 + (i - 18) * 30);
}

std::uint32_t ColorByIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kPalette.size())) return 0;
  return kPalette[static_cast<std::size_t>(index)];
}

std::uint32_t colourFromText(std::string_view text) {
  const double number = std::clamp(Val(text), -2147483648.0, 4294967295.0);
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(number));
}

std::string colourText(std::uint32_t colour) {
  return std::to_string(static_cast<std::int32_t>(colour));
}

}  // namespace horalix
