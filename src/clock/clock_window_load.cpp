// The clock window's load, loss of focus and unload. Loading puts the window on top, loads the
// settings record, arms the run start (which places the clocks as the show/hide choice wants)
// and puts the window at its saved position, pulled inside the screen. Losing the focus re-fits
// the drawing surfaces and the window to the current text and back picture. Unloading lets go
// of the window's rounded outline. Every statement is attempted on its own.
#include "clock/clock_needs.h"
#include "clock/clock_placement.h"
#include "clock/floating_clock.h"
#include "services/attempt.h"
#include "services/program_folder.h"
#include "services/settings_record.h"
#include "services/window_utilities.h"

namespace horalix {

void FloatingClock::Form_Load() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, "time_glass.Form_Load", statement);
  };
  attempt([&] { SetTopmost(needs_.run, *this); });
  attempt([&] { LoadSettings(needs_.platform, needs_.settings); });
  restoreAtNextStart = true;
  // The hover button's two pictures, made by the build: 32 x 32 pixels.
  Image2(0).setPicture(pathInProgramFolder(needs_.platform, "picture\\hover-play.bmp"), 32, 32);
  Image2(1).setPicture(pathInProgramFolder(needs_.platform, "picture\\hover-stop.bmp"), 32, 32);
  Timer5.setEnabled(true);
  // Unlike the sequencer's placement, a saved 0 is not taken, the window's own height must fit
  // below the saved top, and a screen narrower than the window leaves a negative left.
  const SavedPosition at = readSavedPosition(needs_.platform, "clockleft", "clocktop");
  const auto& desktop = needs_.platform.desktop;
  const int width = needs_.run.BackPictureOn ? Width() : Label9.Width();
  const int maxLeft = needs_.run.ScreenWidthPx * desktop.twipsPerPixelX() - width - 100;
  attempt([&] { setLeft(at.left > 0 && maxLeft > at.left ? at.left : maxLeft); });
  const int roomBelow = needs_.run.ScreenHeightPx * desktop.twipsPerPixelY() - Height();
  attempt([&] { setTop(at.top > 0 && roomBelow > at.top ? at.top : 0); });
}

void FloatingClock::Form_LostFocus() {
  horalix::attempt(needs_.platform.log, "time_glass.Form_LostFocus", [&] { fitTextBox(); });
  refitWindow();
}

void FloatingClock::Form_Unload(bool& cancel) {
  (void)cancel;
  setRegion(std::nullopt);
}

}  // namespace horalix
