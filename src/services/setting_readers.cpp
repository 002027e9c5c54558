#include "services/setting_readers.h"
#include "services/option_names.h"

#include <optional>

#include "services/context.h"
#include "services/ports.h"
#include "services/program_ini.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/value_store.h"

namespace horalix {

namespace {

constexpr char kDefaultAImode[] = "01111101";

// A registry option as a 16-bit number, with only its upper bound checked: a stored negative
// number comes back unchanged.
std::int16_t readBounded(Context& context, const std::string& name, std::int16_t highest) {
  const std::int16_t value = programValues(context).readInt16(name);
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
std::optional<std::string> hotkeyOption(Context& context, const std::string& key,
                                        const std::string& fallback) {
  const std::string path = context.iniPath();
  if (!context.platform.files.normalFileExists(path)) return std::nullopt;
  return readProgramIni(context, "Hotkey", key, fallback);
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

bool ReadAImode(Context& context) {
  std::string& mode = context.settings.AImode;
  mode = programValues(context).readText("AImode");
  if (Len(mode) < 8) mode = kDefaultAImode;
  return optionOn(mode, AiFlag::Automatic);
}

bool ReadCheckFlag7(Context& context) {
  return flagValue(optionChar(programValues(context).readText("checkvalue"),
                              CheckFlag::SmartTiming)) == 1;
}

std::int16_t ReadClockMode(Context& context) { return readBounded(context, "clockmode", 2); }

std::int16_t ReadHotkeyAdd(Context& context) {
  const auto text = hotkeyOption(context, "add", "0");
  if (!text) return 0;
  // A stored value beyond 16 bits reads as 0, which is within the allowed range.
  const std::int16_t seconds = leadingInt16(*text);
  if (seconds < 0) return 0;
  return seconds > 100 ? 100 : seconds;
}

bool IsPresetHotkeyOn(Context& context) {
  const auto often = hotkeyOption(context, "often", "00");
  if (!often) return false;
  return flagValue(Mid(*often, 1, 1)) + flagValue(Mid(*often, 2, 1)) > 0;
}

std::string PresetHotkeyPrefix(Context& context) {
  const auto often = hotkeyOption(context, "often", "00");
  if (!often) return "";
  const bool ctrl = flagValue(Mid(*often, 1, 1)) == 1;
  const bool alt = flagValue(Mid(*often, 2, 1)) == 1;
  std::string prefix = ctrl && alt ? "Ctrl+Alt" : ctrl ? "Ctrl" : alt ? "Alt" : "";
  if (!prefix.empty()) prefix += "+";
  return prefix;
}

std::int16_t ReadSecondScreen(Context& context) {
  const std::int16_t screen = readBounded(context, "second_screen", 1);
  context.ports().interactionMenu().offerExtendedScreen(screen != 0);
  return screen;
}

std::int16_t ReadClockCycle(Context& context) { return readBounded(context, "clockcycle", 2); }

std::int16_t ReadTimeoutAction(Context& context) { return readBounded(context, "timeout", 4); }

std::int16_t ReadOpenTogetherStop(Context& context) {
  const auto text = hotkeyOption(context, "opentogetherstop", "0");
  if (!text) return 0;
  return leadingInt16(*text) != 0 ? 1 : 0;
}

}  // namespace horalix
