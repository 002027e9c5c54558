// The second screen: its switch, stored at once, and the two scroll bars that move its clock
// (or, in prompt-text mode, its prompt bar) while the user watches, storing the place at every
// step the user makes; the window's loading only reads the place. The second screen is taken to lie
// right of the primary one, with the same size.
#include <algorithm>
#include <optional>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/main.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/program_values.h"
#include "services/window_positions.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

// One step of the horizontal scroll bar is 20 twips, one of the vertical one 40.
constexpr int kHStep = 20;
constexpr int kVStep = 40;
// How far above its screen the second prompt bar waits while not in use.
constexpr int kBarParkGap = 5000;

constexpr std::int32_t floorDiv(std::int32_t value, std::int32_t step) {
  return value / step - (value % step < 0 ? 1 : 0);
}

// Far above and left of the primary screen.
void parkFar(platform::Platform& platform, const RunState& run, platform::Form& window) {
  window.setTop(-screenHeightTwips(platform, run) - 15000);
  window.setLeft(-screenWidthTwips(platform, run) - 5000);
}

// The window the scroll bars move, and the routine that stores its place.
struct ScrollTarget {
  platform::Form& window;
  void (*save)(platform::Platform&, std::int32_t, std::int32_t);
};
ScrollTarget scrollTarget(PromptBar& secondPromptBar, MirrorClock& mirrorClock,
                          const SettingsFields& settings) {
  if (settings.Check8[0].Value() != 0) return {secondPromptBar, SaveProcessTwoPos};
  return {mirrorClock, SaveClockTwoPos};
}

void storeScrollPlace(platform::Platform& platform, const SettingsFields& settings,
                      const ScrollTarget& target) {
  target.save(platform, settings.HScroll1.Value() * kHStep, settings.VScroll1.Value() * kVStep);
}

// The scroll bars are there only while the second screen is in use.
void showScrollBars(const SettingsFields& settings) {
  const bool shown = settings.Check1[6].Value() != 0;
  settings.HScroll1.setVisible(shown);
  settings.VScroll1.setVisible(shown);
}

}  // namespace

// Stores the switch as second_screen and reads the mirror clock's last place. Through the
// scripting shell first; when any step fails, the reads and the write again through the registry
// functions (a missing value reads as 0).
SettingsWindow::Place SettingsWindow::storeSecondScreenSwitch() {
  Place at;
  attempt(needs_.platform.log, "second screen", [&] {
    ValueStore store = programValues(needs_.platform);
    const ReadSlot slots[] = {ReadSlot::int32("clocklefttwo", at.left),
                              ReadSlot::int32("clocktoptwo", at.top)};
    const NamedValue flag{"second_screen", std::int32_t{fields_.Check1[6].Value()},
                          platform::regtype::Dword};
    bool done = true;
    for (const ReadSlot& slot : slots) {
      const auto value = done ? store.shellRead(slot.name) : std::nullopt;
      done = value && slot.fromShell(*value);
    }
    done = done && store.shellWrite(flag);
    if (done) return;
    for (const ReadSlot& slot : slots) slot.fromRegistry(store.registryRead(slot.name));
    store.registryWrite(flag);
  });
  return at;
}

// The scroll ranges over the second screen and the values of a place. A value outside the range
// is not taken: the scroll bar keeps its value. Each value that changes moves the window through
// the scroll bars' own change, which stores the place only for a user's step, not while the
// window fills itself.
void SettingsWindow::setScrollBars(int leftMin, Place at) {
  const int w = screenWidthTwips(needs_.platform, needs_.run);
  const int h = screenHeightTwips(needs_.platform, needs_.run);
  platform::Control& across = fields_.HScroll1;
  platform::Control& down = fields_.VScroll1;
  across.setRange(leftMin, w / kHStep * 2 + 500);
  down.setRange(-20, h / kVStep + 100);
  across.setValue(floorDiv(at.left, kHStep));
  down.setValue(floorDiv(at.top, kVStep));
}

void SettingsWindow::parkSecondScreen() {
  RestoreClocks(needs_.clocks);
  parkFar(needs_.platform, needs_.run, needs_.mirrorClock);
  needs_.secondPromptBar.park(kBarParkGap);
}

void SettingsWindow::secondScreenSwitch() {
  Place at = storeSecondScreenSwitch();
  if (fields_.Check1[6].Value() == 1) {
    const int w = screenWidthTwips(needs_.platform, needs_.run);
    at.top = reduceByScreenHeights(at.top, screenHeightTwips(needs_.platform, needs_.run));
    if (at.left < w) at.left = w;
    setScrollBars(w / kHStep, at);
    MirrorClock& mirror = needs_.mirrorClock;
    mirror.setLeft(mirror.Left() < w ? w : fields_.HScroll1.Value() * kHStep);
    mirror.setTop(at.top);
  } else {
    parkSecondScreen();
  }
  showScrollBars(fields_);
}

// After a switch of the prompt-text mode: the scroll bars take up the window the mode addresses.
void SettingsWindow::placeForMode() {
  const int w = screenWidthTwips(needs_.platform, needs_.run);
  const int h = screenHeightTwips(needs_.platform, needs_.run);
  if (fields_.Check1[6].Value() != 1) {
    parkSecondScreen();
  } else if (fields_.Check8[0].Value() == 0) {
    Place at = storeSecondScreenSwitch();
    at.top = std::max(0, reduceByScreenHeights(at.top, h));
    if (at.left < w) at.left = w;
    setScrollBars(0, at);
    needs_.mirrorClock.setLeft(at.left);
    needs_.mirrorClock.setTop(at.top);
  } else {
    const BarPosition stored =
        readBarPosition(needs_.platform, "processtwo_left", "processtwo_top");
    // A place stored nowhere is the screen's corner; a left on the primary screen stays.
    Place at{stored.left == kBarNotStored ? 0 : stored.left,
             stored.top == kBarNotStored ? 0 : stored.top};
    at.top = reduceByScreenHeights(at.top, h);
    setScrollBars(0, at);
    PromptBar& bar = needs_.secondPromptBar;
    bar.setLeft(at.left);
    bar.setTop(at.top >= 1 && at.top <= h + 500 ? at.top : 100);
  }
  showScrollBars(fields_);
}

void SettingsWindow::HScroll1_Change() {
  const ScrollTarget target = scrollTarget(needs_.secondPromptBar, needs_.mirrorClock, fields_);
  if (fields_.Check1[6].Value() != 1) {
    parkFar(needs_.platform, needs_.run, target.window);
    return;
  }
  const int w = screenWidthTwips(needs_.platform, needs_.run);
  // A window still left of the second screen first snaps to its edge; the next step moves it.
  target.window.setLeft(target.window.Left() < w ? w : fields_.HScroll1.Value() * kHStep);
  if (!fillingFromCode()) storeScrollPlace(needs_.platform, fields_, target);
}

void SettingsWindow::VScroll1_Change() {
  const ScrollTarget target = scrollTarget(needs_.secondPromptBar, needs_.mirrorClock, fields_);
  target.window.setTop(fields_.VScroll1.Value() * kVStep);
  if (!fillingFromCode()) storeScrollPlace(needs_.platform, fields_, target);
}

}  // namespace horalix
