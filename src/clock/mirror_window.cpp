// The mirror clock's window: its placement on the extended screen when it loads, its refit when
// it loses the focus, and its mouse handling (a left click redraws, a drag moves the window and
// every move saves where it stands). While the extended screen is not in use the mirror is
// parked far off screen instead. Every statement is attempted on its own.
#include "clock/clock_needs.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/window_positions.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {
constexpr int kLeftButton = 1;
}

void MirrorClock::Form_Load() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, "time_glasstwo.Form_Load", statement);
  };
  attempt([&] { SetTopmost(needs_.run, *this); });
  Timer5.setEnabled(true);
  Place place = savedPlace();
  // At load a place above the top edge comes down to it.
  if (place.top < 0) place.top = 0;
  attempt([&] {
    if (ReadSecondScreen(needs_.platform, needs_.interactionMenu) != 0) {
      setLeft(place.left);
      setTop(place.top);
    } else {
      parkOffScreen();
    }
  });
}

void MirrorClock::Form_LostFocus() {
  horalix::attempt(needs_.platform.log, "time_glasstwo.Form_LostFocus", [&] { fitTextBox(); });
  bool parked = false;
  horalix::attempt(needs_.platform.log, "time_glasstwo.Form_LostFocus", [&] {
    if (ReadSecondScreen(needs_.platform, needs_.interactionMenu) != 0) return;
    parkOffScreen();
    parked = true;
  });
  if (!parked) refitWindow();
}

// Only a left click, and only while clicks on the clock act (checkvalue 10 "0"). The click does
// not switch between the count and the time of day: the floating clock decides the view.
void MirrorClock::Picture1_MouseDown(int Button, int Shift, float X, float Y) {
  (void)Shift;
  (void)X;
  (void)Y;
  if (Button != kLeftButton) return;
  if (optionChar(needs_.settings.checkvalue, CheckFlag::KeepTimeText) != "0") return;
  horalix::attempt(needs_.platform.log, "time_glasstwo.Picture1_MouseDown", [&] { redraw(); });
}

// The saved place is not clamped here: the next placement applies its own rules to it.
void MirrorClock::Picture1_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Shift;
  (void)X;
  (void)Y;
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, "time_glasstwo.Picture1_MouseMove", statement);
  };
  if (Button == kLeftButton) attempt([&] { needs_.platform.desktop.dragWithPointer(*this); });
  attempt([&] { SaveClockTwoPos(needs_.platform, Left(), Top()); });
  attempt([&] { redraw(); });
}

}  // namespace horalix
