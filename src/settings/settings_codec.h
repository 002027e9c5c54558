// Turning the settings record and the stored options into the settings window's controls
// (decoding) and back (encoding). The window's fill, its apply command and the preset manager
// all go through these, so every one of them uses the same characters and fields. The two that
// other folders call, a preset's settings each way, are declared in settings/settings.h.
#pragma once

#include <array>
#include <string>

#include "platform/forms.h"
#include "services/option_names.h"
#include "services/settings_block.h"
#include "settings/settings_fields.h"

namespace horalix {

// The control that stands for a character of an option string (nullptr for none: `checkvalue`
// character 13 is always "0").
platform::Control* controlOf(const SettingsFields& fields, CheckFlag flag);
platform::Control* controlOf(const SettingsFields& fields, OptFlag flag);
platform::Control* controlOf(const SettingsFields& fields, AiFlag flag);

// Sets the controls from the record; setting them runs their handlers, as a user's change does.
// A character that is missing or not a number leaves its control as it is.
void decodeSettings(const SettingsFields& fields, const SettingsBlock& settings);
// The clock's look alone, as decodeSettings sets it: the text's font, size and colour lists with
// the colour swatch; and the background picture with its colour.
void decodeClockText(const SettingsFields& fields, const SettingsBlock& settings);
void decodeClockBackground(const SettingsFields& fields, const SettingsBlock& settings);

// The [Hotkey] keys of the six hot keys, in the order of Text3(1..6) and StoredOptions::hotKeys.
inline constexpr const char* kHotKeyNames[] = {"start", "pause", "stop", "hide", "focus", "light"};

// The values outside the record that the window shows, as stored: keys of TimeData.db
// [Hotkey] and [light] and registry values (already read as numbers).
struct StoredOptions {
  std::array<std::string, 6> hotKeys;  // start, pause, stop, hide, focus, light
  std::string add;                     // extra font size of the second-screen clock
  std::string often;                   // modifiers of the preset hot keys, "Ctrl" and "Alt"
  std::string clocklight;              // edge blur, size and shape of the spotlight
  std::string backlight;               // spotlight opacity in percent
  int secondScreen = 0, clockCycle = 0, openTogetherStop = 0, timeout = 0;
  bool operator==(const StoredOptions&) const = default;
};
void decodeStoredOptions(const SettingsFields& fields, const StoredOptions& options);
StoredOptions encodeStoredOptions(const SettingsFields& fields);

// The list position that a stored two-digit field selects in a list of `count` entries: a
// position beyond the end takes the last entry, a negative one the first.
int validListPosition(int stored, int count);

}  // namespace horalix
