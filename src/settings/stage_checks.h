// The checks made before the time page and the hot keys are stored, by the settings window's
// apply command and by the preset entry: the alarms must differ from one another, each ticked
// stage must leave at least 10 seconds before the next, the last alarm must come 3 seconds or
// more before zero, and no two hot keys may be the same key.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/message_boxes.h"
#include "settings/settings_fields.h"

namespace horalix {

// The times the checks compare, in seconds: the duration and the seconds left at alarms 1-3.
struct StageTimes {
  std::int32_t duration = 0;
  std::array<std::int32_t, 3> alarms{};
};

// How the two callers word their messages: the text after name & "和" & name for equal alarms,
// and the two line breaks around the second name of a gap message.
struct StageWording {
  std::string_view sameText;
  std::string_view twoBreaks;
};

// Checks the times while "计时时长" (Check2(1)) is ticked; the alarm rows take part as their
// boxes Check2(2..4) say. Equal alarms show name & "和" & name & `sameText` and end the check at
// once; every gap or 3-second fault shows its own message. True when the times may be stored.
bool checkStageTimes(const SettingsFields& fields, platform::MessageBoxes& boxes,
                     const StageTimes& times, const StageWording& wording);

// False, after an 800 ms notice, when two of the hot-key fields Text3(1..6) hold the same key
// ("无", no key, may repeat).
bool hotKeysDistinct(const SettingsFields& fields, platform::MessageBoxes& boxes);

}  // namespace horalix
