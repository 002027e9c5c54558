// The texts of a captured hot key: the modifier prefix of a shift state and the name of a key.
// The main window parses the same texts when it registers its hot keys.
#pragma once

#include <string>

namespace horalix {

// The prefix of a shift state (1 Shift, 2 Ctrl, 4 Alt): "" for none and for Shift alone,
// else the modifiers in the order Shift, Ctrl, Alt, each followed by "+".
std::string captureModifierPrefix(int shift);

// The key text of a virtual key code: "Enter", "Space", the digits, the capital letters,
// "Num 0" to "Num 9", "F1" to "F12"; "" for every other key.
std::string captureKeyName(int keyCode);

}  // namespace horalix
