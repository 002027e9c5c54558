// Hot keys as the user reads and stores them: a modifier part, "+" and a key part, for example
// "Ctrl+Alt+S", "Shift+F5", "Ctrl+Num 3" or just "F5". "无" and the empty text stand for no key.
// The main window registers keys from these texts, and the settings window writes them when the
// user presses a combination.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace horalix {

// The system's modifier bits of a hot key.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;

// The modifier bits of a hot-key text: the pieces before its last "+", joined again, must read
// exactly "Alt", "Ctrl", "Ctrl+Alt", "Shift", "Shift+Alt", "Shift+Ctrl" or "Shift+Ctrl+Alt"
// (letter case and order count); anything else, a text without "+" included, gives 0.
std::uint32_t HotkeyModifiers(std::string_view text);

// The virtual-key code of a hot-key text's last piece: "A" to "Z", "0" to "9", "Num 0" to
// "Num 9", "F1" to "F12", "Enter" and "Space", exactly; anything else gives 0 (no key).
std::uint32_t HotkeyKeyCode(std::string_view text);

// The key part for a virtual-key code, the inverse of HotkeyKeyCode; "" for a code that is not
// one of those keys.
std::string HotkeyKeyName(std::int16_t keyCode);

}  // namespace horalix
