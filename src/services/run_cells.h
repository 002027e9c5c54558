// Typed views over the hidden cells that carry the run state between the windows. The cells stay
// label captions with their text encoding (other windows and the stored record read them as
// text); these accessors give their values names. Numeric cells are read by the numeric-prefix
// rule (anything not a number reads as 0), compared cells are compared as text, exactly.
#pragma once

#include "platform/forms.h"

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

// Frm_exit.Label3: the kind of document an automatic run is bound to ("" before any).
enum class DocumentKind {
  None = 0,
  Workbook = 1,
  WordDocument = 2,
  SlideShow = 3,
  Pdf = 4,
  PresentationEdit = 5,
  Drawing = 6,
};

// Frm_exit.Lab_time_state: which way the run counts ("" before the first run counts neither).
enum class CountDirection {
  Down = 0,  // to zero
  Up = 1,    // up, or on past zero in overtime
};

// Frm_exit.Label16: how elapsed time is measured ("" reads as the tick count). Values past the
// named ones take no time mark.
enum class ClockMethod {
  TickCount = 0,
  SecondsSinceMidnight = 1,
  TimeOfDay = 2,
};

AlarmStage readAlarmStage(const platform::Control& cell);
// Whether the cell's text is exactly the stage's ("4", not "04").
bool isAlarmStage(const platform::Control& cell, AlarmStage stage);
void writeAlarmStage(platform::Control& cell, AlarmStage stage);
// The stage for alarm 1 to 3 (4: zero).
AlarmStage alarmStageOf(int alarm);

DocumentKind readDocumentKind(const platform::Control& cell);
void writeDocumentKind(platform::Control& cell, DocumentKind kind);

bool isCountDirection(const platform::Control& cell, CountDirection direction);
void writeCountDirection(platform::Control& cell, CountDirection direction);

ClockMethod readClockMethodCell(const platform::Control& cell);

}  // namespace horalix
