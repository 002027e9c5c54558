// The clock window's load, loss of focus and unload. Loading puts the window on top, loads the
// settings record, arms the run start (which places the clocks as the show/hide choice wants)
// and puts the window at its saved position, pulled inside the screen. Losing the focus re-fits
// the drawing surfaces and the window to the current text and back picture. Unloading lets go
// of the window's rounded outline. Every statement is attempted on its own.
#include <algorithm>

#include "clock/time_glass.h"
#include "main/main.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/settings_record.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

// Twips per pixel of the back picture's stored size.
constexpr int kPictureTwips = 15;

}  // namespace

void TimeGlass::Form_Load() {
  auto attempt = [this](auto&& statement) { Attempt(app_, "time_glass.Form_Load", statement); };
  attempt([&] { SetTopmost(app_, *this); });
  attempt([&] { LoadSettings(app_, app_.settings); });
  Label15.setCaption("1");
  Timer5.setEnabled(true);
  // Unlike the sequencer's placement, a saved 0 is not taken, the window's own height must fit
  // below the saved top, and a screen narrower than the window leaves a negative left.
  const SavedPosition at = ReadSavedPosition(app_, "clockleft", "clocktop");
  const auto& desktop = app_.platform.desktop;
  const int width = app_.run.BackPictureOn ? Width() : Label9.Width();
  const int maxLeft = app_.run.ScreenWidthPx * desktop.twipsPerPixelX() - width - 100;
  attempt([&] { setLeft(at.left > 0 && maxLeft > at.left ? at.left : maxLeft); });
  const int roomBelow = app_.run.ScreenHeightPx * desktop.twipsPerPixelY() - Height();
  attempt([&] { setTop(at.top > 0 && roomBelow > at.top ? at.top : 0); });
}

void TimeGlass::Form_LostFocus() {
  auto attempt = [this](auto&& statement) {
    Attempt(app_, "time_glass.Form_LostFocus", statement);
  };
  attempt([&] {
    Picture2.move(Picture2.Left(), Picture2.Top(), Label11.Width() + 100, Label11.Height() + 20);
  });
  if (!app_.run.BackPictureOn) {
    attempt([&] { move(Left(), Top(), Picture2.Width(), Picture2.Height()); });
    return;
  }
  attempt([&] {
    const int width = std::max(Picture2.Width(), app_.settings.picture_width * kPictureTwips);
    const int height = std::max(Picture2.Height(), app_.settings.picture_height * kPictureTwips);
    Picture1.move(Picture1.Left(), Picture1.Top(), width, height);
  });
  attempt([&] { move(Left(), Top(), Picture1.Width(), Picture1.Height()); });
  // The back picture is painted stretched over the whole surface, whatever its size.
  attempt([&] {
    const auto& desktop = app_.platform.desktop;
    Picture1.PaintPicture(Picture1.Picture(), 0, 0, static_cast<float>(Picture1.Width()),
                          static_cast<float>(Picture1.Height()),
                          Picture1.PictureWidthPx() * desktop.twipsPerPixelX(),
                          Picture1.PictureHeightPx() * desktop.twipsPerPixelY());
  });
}

void TimeGlass::Form_Unload(bool& cancel) {
  (void)cancel;
  setRegion(std::nullopt);
}

}  // namespace horalix
