// The hover play/stop button of the floating clock: while the cursor rests on the face, a round
// button in its top left corner starts a run (play) or stops the running one (stop). It shows
// only in manual timing mode. While the cursor is over the face the keep-on-top routine holds
// off; when it leaves, the button goes and the clock is put on top again.
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

// After the first tick (500 ms after the mouse woke the watch) the cursor is checked this often.
constexpr int kWatchInterval = 100;

}  // namespace

// A point on the border counts as outside.
bool FloatingClock::IsCursorInWindow(const platform::Control& control) {
  const platform::Desktop& desktop = needs_.platform.desktop;
  const std::optional<platform::PixelPoint> at = desktop.cursorPos();
  if (!at) return false;
  const int tx = desktop.twipsPerPixelX(), ty = desktop.twipsPerPixelY();
  const int left = (Left() + control.Left()) / tx;
  const int top = (Top() + control.Top()) / ty;
  const int right = left + control.Width() / tx;
  const int bottom = top + control.Height() / ty;
  return left < at->x && at->x < right && top < at->y && at->y < bottom;
}

void FloatingClock::Timer7_Timer() {
  Timer7.setInterval(kWatchInterval);
  if (IsCursorInWindow(Picture2)) {
    if (optionOn(needs_.settings.AImode, AiFlag::Manual)) {
      // A square as high as the face at its top left corner, on the face's own colour.
      const int side = Picture1.Height();
      Image1.setBackColor(Picture2.BackColor());
      Image1.move(0, 0, side, side);
      Image1.setVisible(true);
      const platform::Control& picture = Image2(needs_.run.offers.start.enabled ? 0 : 1);
      Image1.setPicture(picture.Picture(), picture.pictureWidthPx(), picture.pictureHeightPx());
    }
    needs_.run.holdOff = 150;
    return;
  }
  Image1.setVisible(false);
  Timer7.setEnabled(false);
  // The re-topping waits while the tray menu is up.
  needs_.run.holdOff = needs_.run.trayMenuOpen ? 100 : 0;
  SetTopmost(needs_.run, *this);
}

}  // namespace horalix
