// Options that live outside the settings record, read afresh at every call (the settings window
// may have changed them) and returned as typed, range-checked values. Registry values that are
// missing or unreadable read as 0; INI values give their default when the key is empty and
// their missing-file result when TimeData.db is absent.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

class Context;

// Automatic timing is on (character 2 of AImode is "1"). Also refreshes the record's AImode,
// which becomes "01111101" when the stored text is shorter than 8 characters.
bool ReadAImode(Context& context);
// Character 7 of the stored checkvalue is 1; the record is not touched.
bool ReadCheckFlag7(Context& context);
// How elapsed time is measured: 0 to 2; above 2 reads as 0 (a negative value stays).
std::int16_t ReadClockMode(Context& context);
// Seconds added to the mirror clock's font size: [Hotkey] add, held to 0 to 100.
std::int16_t ReadHotkeyAdd(Context& context);
// The preset hot keys are on: [Hotkey] often has a 1 (or more) in either character.
bool IsPresetHotkeyOn(Context& context);
// The preset hot keys' modifier text: "Ctrl+", "Alt+", "Ctrl+Alt+" or "".
std::string PresetHotkeyPrefix(Context& context);
// The extended screen is used: 0 or 1 (above 1 reads as 0). Shows the main window's menu item
// "扩展屏显示" when 1, unchecks and hides it otherwise.
std::int16_t ReadSecondScreen(Context& context);
// Cycling of presets: 0 to 2; above 2 reads as 0.
std::int16_t ReadClockCycle(Context& context);
// What the clock does after zero: 0 to 4; above 4 reads as 0.
std::int16_t ReadTimeoutAction(Context& context);
// One hot key both starts and stops: 0 or 1.
std::int16_t ReadOpenTogetherStop(Context& context);

}  // namespace horalix
