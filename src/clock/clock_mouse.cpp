// The floating clock under the mouse. The face has no title bar or buttons of the system's
// kind: a left click switches between the count and the time of day, any other button opens the
// tray menu, and a drag with the left button moves the window and stores where it was dropped.
// The hover button over the face starts or stops a run. A failing step is skipped.
#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/window_positions.h"

namespace horalix {

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

}  // namespace

void FloatingClock::redrawFaces(bool mirrorToo) {
  const int size = wantedSize();
  ShowStatue(faceText(), size);
  if (mirrorToo) needs_.mirrorClock.ShowStatue(faceText(), size + MirrorSizeAdd);
}

void FloatingClock::Picture1_MouseDown(int Button, int Shift, float X, float Y) {
  (void)Shift;
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, "time_glass.Picture1_MouseDown", statement);
  };
  // The keep-on-top routine of every window holds off while the user handles the clock.
  needs_.run.holdOff = 100;
  if (Button == kLeftButton) {
    attempt([&] {
      if (optionChar(needs_.settings.checkvalue, CheckFlag::KeepTimeText) != "0") return;
      // The count goes out of view and the time of day comes in, or back; the mirror follows.
      const FaceView next = timeOfDayInView() ? FaceView::Count : FaceView::TimeOfDay;
      bringIntoView(next);
      needs_.mirrorClock.bringIntoView(next);
      bool mirrorToo = false;
      attempt([&] { mirrorToo = ReadSecondScreen(needs_.platform, needs_.interactionMenu) == 1; });
      redrawFaces(mirrorToo);
    });
  } else {
    attempt([&] {
      // The follow-mode spotlight stays below the menu while it is open.
      if (needs_.run.openToolWindow == OpenWindow::FollowSpotlight)
        needs_.followSpotlight.stayBelowMenu();
    });
    attempt([&] {
      // A see-through clock opens the menu at the pointer, an opaque one below its own bottom
      // edge.
      if (optionChar(needs_.settings.checkvalue, CheckFlag::TransparentBack) == "0") {
        const platform::Desktop& desktop = needs_.platform.desktop;
        const platform::PixelPoint at{
            static_cast<int>((static_cast<float>(Left()) + X) /
                             static_cast<float>(desktop.twipsPerPixelX())),
            (Top() + Height()) / desktop.twipsPerPixelY()};
        needs_.runMenus.popUp(*this, at);
      } else {
        needs_.runMenus.popUp(*this, std::nullopt);
      }
    });
  }
  if (Button == kLeftButton) {
    DownX = X;
    DownY = Y;
  }
}

void FloatingClock::Picture1_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Shift;
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, "time_glass.Picture1_MouseMove", statement);
  };
  Timer7.setEnabled(true);
  if (Button != kLeftButton) return;
  // The system moves the window with the pointer and returns at the drop. The place stored is
  // the one the drop reached, before the clock is kept on the screen below.
  attempt([&] { needs_.platform.desktop.dragWithPointer(*this); });
  attempt([&] { SaveClockPos(needs_.platform, CLng(Left()), CLng(Top())); });
  attempt([&] { redrawFaces(false); });
  attempt([&] { dropAt(X, Y); });
}

// The window's right edge stays on the screen, its top edge may reach the bottom of the screen
// area (the clock's height is not subtracted).
void FloatingClock::dropAt(float X, float Y) {
  const platform::Desktop& desktop = needs_.platform.desktop;
  double newLeft = Left() + X - DownX;
  // Counted in 32 bits: a top below a screen placed under the primary one does not overflow.
  std::int32_t newTop = CLng(Top() + Y - DownY);
  const double rightmost =
      static_cast<double>(desktop.twipsPerPixelX()) * needs_.run.ScreenWidthPx - Width();
  const std::int32_t lowest =
      CLng(static_cast<double>(desktop.twipsPerPixelY()) * needs_.run.ScreenHeightPx);
  if (newLeft < 0) newLeft = 0;
  if (newLeft > rightmost) newLeft = rightmost;
  if (newTop < 0) newTop = 0;
  if (newTop > lowest) newTop = lowest;
  move(CLng(newLeft), newTop, Width(), Height());
  redrawFaces(false);
}

void FloatingClock::Image1_Click() {
  // The Start item is available exactly while no run is going.
  if (needs_.run.offers.start.enabled) {
    needs_.runControl.startRun();
  } else {
    needs_.runControl.stopRun();
  }
}

void FloatingClock::Image1_MouseDown(int Button, int Shift, float X, float Y) {
  (void)Shift;
  (void)X;
  (void)Y;
  if (Button != kRightButton) return;
  needs_.runMenus.popUp(*this, std::nullopt);
}

void FloatingClock::Image1_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  (void)X;
  (void)Y;
  Timer7.setEnabled(true);
}

}  // namespace horalix
