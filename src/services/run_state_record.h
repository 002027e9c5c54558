// The state of the current run, shared by the clock, the bars, the interaction windows and the
// main window's watches. Each piece of state is a named field here; the windows show it, they do
// not hold it.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

// The kinds of document that automatic timing recognises; an automatic run is bound to one of
// them (None before any).
enum class DocumentKind {
  None = 0,
  Workbook = 1,
  WordDocument = 2,
  SlideShow = 3,
  Pdf = 4,
  Presentation = 5,
  Drawing = 6,
};

// Which way the run counts (None before the first run counts either way).
enum class CountDirection {
  None = -1,
  Down = 0,  // to zero
  Up = 1,    // up, or on past zero in overtime
};

// How elapsed time is measured. Values past the named ones take no time mark.
enum class ClockMethod {
  TickCount = 0,
  SecondsSinceMidnight = 1,
  TimeOfDay = 2,
};

// The tool window the main window opened last and closes before it opens another.
enum class OpenWindow {
  None,
  Settings,
  Statistics,
  FollowSpotlight,
  SpotlightArea,  // the dark layer with its veil
  InteractionSettings,
};

struct RunState {
  // Millisecond mark of the start of the running segment, in the unit of the clock method.
  std::int32_t StartTick = 0;
  // Set length of the last run start, in seconds and in milliseconds.
  std::int32_t RunSeconds = 0;
  std::int32_t RunMillis = 0;
  // What the count-down does at zero: 0 overtime, 1 stop, 2 cycle, 5 no run bound.
  std::int16_t AfterZeroAction = 0;
  std::int32_t BlinkCount = 0;
  std::int32_t BlinkHold = 0;
  // Put before the count text in overtime: "", "-" or "超时".
  std::string OvertimePrefix;
  bool BackPictureOn = false;
  // The primary screen's full-screen client area, in pixels.
  std::int32_t ScreenWidthPx = 0;
  std::int32_t ScreenHeightPx = 0;

  // How elapsed time is measured, copied from the stored clock method at each automatic start.
  ClockMethod method = ClockMethod::TickCount;
  // Hold-off of keep-on-top: while at 1 or more, a window asking to be put on top is not, and
  // the count drops by 5 instead. Set by whatever must stay in front for a while (a drag, an open
  // menu or tool window), cleared when that ends.
  int holdOff = 0;
  OpenWindow openToolWindow = OpenWindow::None;

  // The count: its direction, the bound document's kind, the start sound, the shown time.
  CountDirection direction = CountDirection::None;
  // Kind of the document the last automatic run was bound to (None before any).
  DocumentKind documentKind = DocumentKind::None;
  // Whether the next run start plays the start sound; a resume, or automatic timing re-armed by
  // the settings or the statistics window, disarms it, and a fresh run record arms it again.
  bool startSoundArmed = true;
  // Milliseconds the clock shows: time left + 400 counting down, elapsed counting up.
  std::int32_t shownMillis = 0;
};

}  // namespace horalix
