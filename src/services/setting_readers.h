// Options that live outside the settings record, read afresh at every call (the settings window
// may have changed them) and returned as typed, range-checked values. Registry values that are
// missing or unreadable read as 0; INI values give their default when the key is empty and
// their missing-file result when TimeData.db is absent.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

class InteractionMenu;
struct SettingsBlock;
namespace platform {
struct Platform;
}

// Automatic timing is on (character 2 of AImode is "1"). Also refreshes the record's AImode,
// which becomes "01111101" when the stored text is shorter than 8 characters.
bool ReadAImode(platform::Platform& platform, SettingsBlock& settings);
// Character 7 of the stored checkvalue is 1; the record is not touched.
bool ReadCheckFlag7(platform::Platform& platform);
// How elapsed time is measured: 0 to 2; above 2 reads as 0 (a negative value stays).
std::int16_t ReadClockMode(platform::Platform& platform);
// Seconds added to the mirror clock's font size: [Hotkey] add, held to 0 to 100.
std::int16_t ReadHotkeyAdd(platform::Platform& platform);
// The preset hot keys are on: [Hotkey] often has a 1 (or more) in either character.
bool IsPresetHotkeyOn(platform::Platform& platform);
// The preset hot keys' modifier text: "Ctrl+", "Alt+", "Ctrl+Alt+" or "".
std::string PresetHotkeyPrefix(platform::Platform& platform);
// The extended screen is used: 0 or 1 (above 1 reads as 0). Shows the main window's menu item
// "扩展屏显示" when 1, unchecks and hides it otherwise.
std::int16_t ReadSecondScreen(platform::Platform& platform, InteractionMenu& interactionMenu);
// Cycling of presets: 0 to 2; above 2 reads as 0.
std::int16_t ReadClockCycle(platform::Platform& platform);
// What the clock does after zero: 0 to 4; above 4 reads as 0.
std::int16_t ReadTimeoutAction(platform::Platform& platform);
// One hot key both starts and stops: 0 or 1.
std::int16_t ReadOpenTogetherStop(platform::Platform& platform);

}  // namespace horalix
