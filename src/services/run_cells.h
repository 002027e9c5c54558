// Typed views over the hidden cells that carry the run state between the windows. The cells stay
// label captions with their text encoding (other windows and the stored record read them as
// text); these accessors give their values names. Numeric cells are read by the numeric-prefix
// rule (anything not a number reads as 0), compared cells are compared as text, exactly.
#pragma once

#include "platform/forms.h"
#include "services/run_state_record.h"

namespace horalix {

// time_glass.Label5: the reminder stage reached.
enum class AlarmStage {
  None = 0,
  Alarm1 = 1,
  Alarm2 = 2,
  Alarm3 = 3,
  Zero = 4,
  SettingsApplied = 7,  // written by the settings window's apply
};

AlarmStage readAlarmStage(const platform::Control& cell);
// Whether the cell's text is exactly the stage's ("4", not "04").
bool isAlarmStage(const platform::Control& cell, AlarmStage stage);
void writeAlarmStage(platform::Control& cell, AlarmStage stage);
// The stage for alarm 1 to 3 (4: zero).
AlarmStage alarmStageOf(int alarm);

}  // namespace horalix
