#include "clock/clock_placement.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/ini_read_write.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/program_values.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

struct ScreenTwips {
  int width = 0;
  int height = 0;
};

ScreenTwips screenTwips(Context& context) {
  return {context.run.ScreenWidthPx * context.platform.desktop.twipsPerPixelX(),
          context.run.ScreenHeightPx * context.platform.desktop.twipsPerPixelY()};
}

// Either clock's sequencer: to place and show the clock, or at rest with the clock parked; no
// reminder waits either way.
void setSequencer(ClockWindow& clock, bool show) {
  clock.sequencerStep =
      show ? ClockWindow::SequencerStep::Place : ClockWindow::SequencerStep::Settle;
  clock.faceShown = show;
  clock.reminderPending = false;
}

void parkClock(ClockWindow& clock) {
  clock.setLeft(-clock.Width() - 5000);
  clock.setTop(-clock.Height() - 5000);
  setSequencer(clock, false);
}

void markShown(ClockWindow& clock) {
  // A sequencer at work is left alone: a show in the middle of its work does not restart it.
  if (clock.sequencing()) return;
  setSequencer(clock, true);
  clock.startSequencer();
}

// Records the user's choice and shows it on the tray item, which offers the other: "显示" while
// the clocks are hidden, "隐藏" while they show.
void setClocksHidden(Context& context, bool hidden) {
  context.run.clocksHidden = hidden;
  context.ports().runMenus().showClocksHidden(hidden);
}

}  // namespace

SavedPosition readSavedPosition(Context& context, const std::string& leftKey,
                                const std::string& topKey) {
  // The same pair rule as the prompt bars: a value the registry does not hold is not stored
  // (-100), not a place at 0.
  const BarPosition at = readBarPosition(context, leftKey, topKey);
  return {at.left, at.top};
}

void ShowHideClock(Context& context) {
  if (context.run.clocksHidden) {
    attempt(context.platform.log, "ShowHideClock", [&] { ShowClocks(context); });
    setClocksHidden(context, false);
  } else {
    attempt(context.platform.log, "ShowHideClock", [&] { HideClocks(context); });
    setClocksHidden(context, true);
  }
}

void HideClocks(Context& context) {
  parkClock(context.floatingClock());
  if (ReadSecondScreen(context.platform, context.ports()) == 1) parkClock(context.mirrorClock());
}

void ShowClocks(Context& context) {
  FloatingClock& clock = context.floatingClock();
  setSequencer(clock, true);
  const ScreenTwips screen = screenTwips(context);
  attempt(context.platform.log, "ShowClocks", [&] {
    const SavedPosition at = readSavedPosition(context, "clockleft", "clocktop");
    const int width = context.run.BackPictureOn ? clock.Width() : clock.templateWidth();
    // Pulled in to end 100 twips inside the right edge when it would not fit.
    const int limit = screen.width - width - 100;
    clock.setLeft(at.left >= 0 && limit > at.left ? at.left : limit);
    clock.setTop(at.top >= 0 && at.top <= screen.height ? at.top : 0);
  });
  clock.sequencerStep = ClockWindow::SequencerStep::Idle;
  attempt(context.platform.log, "ShowClocks", [&] {
    if (ReadSecondScreen(context.platform, context.ports()) != 1) return;
    MirrorClock& mirror = context.mirrorClock();
    setSequencer(mirror, true);
    SavedPosition at = readSavedPosition(context, "clocklefttwo", "clocktoptwo");
    // Stored nowhere: the top of the extended screen.
    if (at.top == SavedPosition{}.top) at.top = 0;
    if (at.top > screen.height) at.top -= screen.height;
    // The extended screen is taken to begin at the right edge of the primary one.
    if (at.left < screen.width) at.left = screen.width;
    mirror.setLeft(at.left);
    mirror.setTop(at.top);
    mirror.sequencerStep = ClockWindow::SequencerStep::Idle;
  });
  attempt(context.platform.log, "ShowClocks", [&] { MarkClocksShown(context); });
  attempt(context.platform.log, "ShowClocks", [&] { ApplyClockStyle(context); });
  context.platform.loop.doEvents();
  context.platform.loop.sleep(10);
  attempt(context.platform.log, "ShowClocks", [&] { ApplyClockStyle(context); });
}

void MarkClocksShown(Context& context) {
  context.run.holdOff = 0;
  setClocksHidden(context, false);
  markShown(context.floatingClock());
  attempt(context.platform.log, "MarkClocksShown", [&] {
    if (ReadSecondScreen(context.platform, context.ports()) == 1) markShown(context.mirrorClock());
  });
}

void ApplyClockStyle(Context& context) {
  const int size = FontSizeByIndex(static_cast<int>(
      Val(fontselectPart(context.settings.Fontselect, FontselectField::SizeIndex))));
  const std::string text = context.floatingClock().faceText();
  attempt(context.platform.log, "ApplyClockStyle",
          [&] { context.floatingClock().ShowStatue(text, size); });
  attempt(context.platform.log, "ApplyClockStyle", [&] {
    if (ReadSecondScreen(context.platform, context.ports()) == 1) {
      context.mirrorClock().ShowStatue(text, size + ReadHotkeyAdd(context.platform));
    }
  });
}

void RestoreClocks(Context& context) {
  FloatingClock& clock = context.floatingClock();
  if (context.run.clocksHidden) {
    HideClocks(context);
  } else if (optionOn(context.settings.checkvalue, CheckFlag::HideWhenIdle)) {
    // The clocks show only while a count runs.
    if (clock.counting()) {
      ShowClocks(context);
    } else {
      HideClocks(context);
    }
  } else {
    ShowClocks(context);
  }
  clock.showSurfaces();
  context.mirrorClock().showSurfaces();
}

void raiseClocks(Context& context) {
  SetTopmost(context.run, context.floatingClock());
  if (ReadSecondScreen(context.platform, context.ports()) == 1)
    SetTopmost(context.run, context.mirrorClock());
}

}  // namespace horalix
