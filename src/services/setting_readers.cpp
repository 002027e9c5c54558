#include "services/setting_readers.h"
#include "services/option_names.h"

#include <optional>

#include "platform/platform.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/program_ini.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/settings_block.h"
#include "services/text_runtime.h"
#include "services/value_store.h"

namespace horalix {

namespace {

constexpr char kDefaultAImode[] = "01111101";

// A registry option as a 16-bit number, with only its upper bound checked: a stored negative
// number comes back unchanged.
std::int16_t readBounded(platform::Platform& platform, const std::string& name,
                         std::int16_t highest) {
  const std::int16_t value = programValues(platform).readInt16(name);
  return value > highest ? 0 : value;
}

// The leading number of a one-character option, 0 for anything else.
double flagValue(const std::string& character) {
  try {
    return Val(character);
  } catch (const RuntimeError&) {
    return 0;
  }
}

// A key of TimeData.db [Hotkey], or nothing when the file is not there at all.
std::optional<std::string> hotkeyOption(platform::Platform& platform, const std::string& key,
                                        const std::string& fallback) {
  const std::string path = iniPath(platform);
  if (!platform.files.normalFileExists(path)) return std::nullopt;
  return readProgramIni(platform, "Hotkey", key, fallback);
}

// A leading number rounded to 16 bits; a value that does not fit reads as 0.
std::int16_t leadingInt16(const std::string& text) {
  try {
    return CInt(Val(text));
  } catch (const RuntimeError&) {
    return 0;
  }
}

}  // namespace

bool ReadAImode(platform::Platform& platform, SettingsBlock& settings) {
  std::string& mode = settings.AImode;
  mode = programValues(platform).readText("AImode");
  if (Len(mode) < 8) mode = kDefaultAImode;
  return optionOn(mode, AiFlag::Automatic);
}

bool ReadCheckFlag7(platform::Platform& platform) {
  return flagValue(optionChar(programValues(platform).readText("checkvalue"),
                              CheckFlag::SmartTiming)) == 1;
}

std::int16_t ReadClockMode(platform::Platform& platform) {
  return readBounded(platform, "clockmode", 2);
}

std::int16_t ReadHotkeyAdd(platform::Platform& platform) {
  const auto text = hotkeyOption(platform, "add", "0");
  if (!text) return 0;
  // A stored value beyond 16 bits reads as 0, which is within the allowed range.
  const std::int16_t seconds = leadingInt16(*text);
  if (seconds < 0) return 0;
  return seconds > 100 ? 100 : seconds;
}

bool IsPresetHotkeyOn(platform::Platform& platform) {
  const auto often = hotkeyOption(platform, "often", "00");
  if (!often) return false;
  return flagValue(Mid(*often, 1, 1)) + flagValue(Mid(*often, 2, 1)) > 0;
}

std::string PresetHotkeyPrefix(platform::Platform& platform) {
  const auto often = hotkeyOption(platform, "often", "00");
  if (!often) return "";
  const bool ctrl = flagValue(Mid(*often, 1, 1)) == 1;
  const bool alt = flagValue(Mid(*often, 2, 1)) == 1;
  std::string prefix = ctrl && alt ? "Ctrl+Alt" : ctrl ? "Ctrl" : alt ? "Alt" : "";
  if (!prefix.empty()) prefix += "+";
  return prefix;
}

std::int16_t ReadSecondScreen(platform::Platform& platform, InteractionMenu& interactionMenu) {
  const std::int16_t screen = readBounded(platform, "second_screen", 1);
  interactionMenu.offerExtendedScreen(screen != 0);
  return screen;
}

std::int16_t ReadClockCycle(platform::Platform& platform) {
  return readBounded(platform, "clockcycle", 2);
}

std::int16_t ReadTimeoutAction(platform::Platform& platform) {
  return readBounded(platform, "timeout", 4);
}

std::int16_t ReadOpenTogetherStop(platform::Platform& platform) {
  const auto text = hotkeyOption(platform, "opentogetherstop", "0");
  if (!text) return 0;
  return leadingInt16(*text) != 0 ? 1 : 0;
}

}  // namespace horalix
