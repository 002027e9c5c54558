#include "services/hot_key_text.h"

#include <array>
#include <utility>

namespace horalix {

namespace {

constexpr int kEnter = 13;
constexpr int kSpace = 32;
constexpr int kDigit0 = 48;
constexpr int kLetterA = 65;
constexpr int kNumPad0 = 96;
constexpr int kF1 = 112;

// The modifier part is everything before the last "+", the key part everything after it.
std::pair<std::string_view, std::string_view> splitAtLastPlus(std::string_view text) {
  const std::size_t plus = text.rfind('+');
  if (plus == std::string_view::npos) return {std::string_view(), text};
  return {text.substr(0, plus), text.substr(plus + 1)};
}

}  // namespace

std::uint32_t HotkeyModifiers(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 7> kParts = {{
      {"Alt", kModAlt},
      {"Ctrl", kModControl},
      {"Ctrl+Alt", kModControl | kModAlt},
      {"Shift", kModShift},
      {"Shift+Alt", kModShift | kModAlt},
      {"Shift+Ctrl", kModShift | kModControl},
      {"Shift+Ctrl+Alt", kModShift | kModControl | kModAlt},
  }};
  const std::string_view modifiers = splitAtLastPlus(text).first;
  for (const auto& [part, bits] : kParts) {
    if (modifiers == part) return bits;
  }
  return 0;
}

std::uint32_t HotkeyKeyCode(std::string_view text) {
  const std::string_view key = splitAtLastPlus(text).second;
  for (int code = 1; code <= 0xFF; ++code) {
    if (HotkeyKeyName(static_cast<std::int16_t>(code)) == key && !key.empty()) {
      return static_cast<std::uint32_t>(code);
    }
  }
  return 0;
}

std::string HotkeyKeyName(std::int16_t keyCode) {
  const int code = keyCode;
  if (code == kEnter) return "Enter";
  if (code == kSpace) return "Space";
  if ((code >= kDigit0 && code < kDigit0 + 10) || (code >= kLetterA && code < kLetterA + 26)) {
    return std::string(1, static_cast<char>(code));
  }
  if (code >= kNumPad0 && code < kNumPad0 + 10) return "Num " + std::to_string(code - kNumPad0);
  if (code >= kF1 && code < kF1 + 12) return "F" + std::to_string(code - kF1 + 1);
  return "";
}

}  // namespace horalix
