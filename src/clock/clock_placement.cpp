#include "clock/clock_placement.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "services/attempt.h"
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

ScreenTwips screenTwips(const ClockPair& needs) {
  return {needs.run.ScreenWidthPx * needs.platform.desktop.twipsPerPixelX(),
          needs.run.ScreenHeightPx * needs.platform.desktop.twipsPerPixelY()};
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

// The user's choice, which the run menus record and show on the tray item: it offers the other,
// "显示" while the clocks are hidden, "隐藏" while they show.
void setClocksHidden(const ClockPair& needs, bool hidden) {
  needs.runMenus.showClocksHidden(hidden);
}

}  // namespace

SavedPosition readSavedPosition(platform::Platform& platform, const std::string& leftKey,
                                const std::string& topKey) {
  // The same pair rule as the prompt bars: a value the registry does not hold is not stored
  // (-100), not a place at 0.
  const BarPosition at = readBarPosition(platform, leftKey, topKey);
  return {at.left, at.top};
}

void ShowHideClock(const ClockPair& needs) {
  if (needs.run.clocksHidden) {
    attempt(needs.platform.log, "ShowHideClock", [&] { ShowClocks(needs); });
    setClocksHidden(needs, false);
  } else {
    attempt(needs.platform.log, "ShowHideClock", [&] { HideClocks(needs); });
    setClocksHidden(needs, true);
  }
}

void HideClocks(const ClockPair& needs) {
  parkClock(needs.floatingClock);
  if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 1) parkClock(needs.mirrorClock);
}

void ShowClocks(const ClockPair& needs) {
  FloatingClock& clock = needs.floatingClock;
  setSequencer(clock, true);
  const ScreenTwips screen = screenTwips(needs);
  attempt(needs.platform.log, "ShowClocks", [&] {
    const SavedPosition at = readSavedPosition(needs.platform, "clockleft", "clocktop");
    const int width = needs.run.BackPictureOn ? clock.Width() : clock.templateWidth();
    // Pulled in to end 100 twips inside the right edge when it would not fit.
    const int limit = screen.width - width - 100;
    clock.setLeft(at.left >= 0 && limit > at.left ? at.left : limit);
    clock.setTop(at.top >= 0 && at.top <= screen.height ? at.top : 0);
  });
  clock.sequencerStep = ClockWindow::SequencerStep::Idle;
  attempt(needs.platform.log, "ShowClocks", [&] {
    if (ReadSecondScreen(needs.platform, needs.interactionMenu) != 1) return;
    MirrorClock& mirror = needs.mirrorClock;
    setSequencer(mirror, true);
    SavedPosition at = readSavedPosition(needs.platform, "clocklefttwo", "clocktoptwo");
    // Stored nowhere: the top of the extended screen.
    if (at.top == SavedPosition{}.top) at.top = 0;
    if (at.top > screen.height) at.top -= screen.height;
    // The extended screen is taken to begin at the right edge of the primary one.
    if (at.left < screen.width) at.left = screen.width;
    mirror.setLeft(at.left);
    mirror.setTop(at.top);
    mirror.sequencerStep = ClockWindow::SequencerStep::Idle;
  });
  attempt(needs.platform.log, "ShowClocks", [&] { MarkClocksShown(needs); });
  attempt(needs.platform.log, "ShowClocks", [&] { ApplyClockStyle(needs); });
  needs.platform.loop.doEvents();
  needs.platform.loop.sleep(10);
  attempt(needs.platform.log, "ShowClocks", [&] { ApplyClockStyle(needs); });
}

void MarkClocksShown(const ClockPair& needs) {
  needs.run.holdOff = 0;
  setClocksHidden(needs, false);
  markShown(needs.floatingClock);
  attempt(needs.platform.log, "MarkClocksShown", [&] {
    if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 1) markShown(needs.mirrorClock);
  });
}

void ApplyClockStyle(const ClockPair& needs) {
  const int size = FontSizeByIndex(
      static_cast<int>(Val(fontselectPart(needs.settings.Fontselect, FontselectField::SizeIndex))));
  const std::string text = needs.floatingClock.faceText();
  attempt(needs.platform.log, "ApplyClockStyle",
          [&] { needs.floatingClock.ShowStatue(text, size); });
  attempt(needs.platform.log, "ApplyClockStyle", [&] {
    if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 1) {
      needs.mirrorClock.ShowStatue(text, size + ReadHotkeyAdd(needs.platform));
    }
  });
}

void RestoreClocks(const ClockPair& needs) {
  FloatingClock& clock = needs.floatingClock;
  if (needs.run.clocksHidden) {
    HideClocks(needs);
  } else if (optionOn(needs.settings.checkvalue, CheckFlag::HideWhenIdle)) {
    // The clocks show only while a count runs.
    if (clock.counting()) {
      ShowClocks(needs);
    } else {
      HideClocks(needs);
    }
  } else {
    ShowClocks(needs);
  }
  clock.showSurfaces();
  needs.mirrorClock.showSurfaces();
}

void raiseClocks(const ClockPair& needs) {
  SetTopmost(needs.run, needs.floatingClock);
  if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 1)
    SetTopmost(needs.run, needs.mirrorClock);
}

}  // namespace horalix
