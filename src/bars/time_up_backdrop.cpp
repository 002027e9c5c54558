#include "bars/time_up_backdrop.h"

#include "main/main.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr std::uint32_t kWindowBackground = 0x80000005;  // system colour of window backgrounds
constexpr std::uint32_t kWindowText = 0x80000008;        // system colour of window text
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kHalfOpaque = 128;
// Below the full-screen area lies the task bar; the backdrop covers it too.
constexpr int kTaskBarCover = 3000;

}  // namespace

TimeUpBackdrop::TimeUpBackdrop(Context& app) : Form(app.platform.forms, "Frm_black"), app_(app) {
  setBorderStyle(0);
  setBackColor(kWindowBackground);
}

void TimeUpBackdrop::Form_Load() {
  // The keep-on-top routine acts at once, so the backdrop goes over everything.
  attempt(app_, "Frm_black", [&] { app_.mainWindow().Label1.setCaption("0"); });
  attempt(app_, "Frm_black", [&] { SetTopmost(app_, *this); });
  setBackColor(kWindowBackground);
  // Each chosen look applies in turn: the last colour wins, only the first one is translucent.
  const std::string& options = app_.settings.checkvalue;
  if (optionOn(options, CheckFlag::ScreenTranslucent)) {
    setBackColor(kWindowText);
    attempt(app_, "Frm_black", [&] { setLayered(-1, kHalfOpaque); });
  }
  if (optionOn(options, CheckFlag::ScreenBlack)) setBackColor(kWindowText);
  if (optionOn(options, CheckFlag::ScreenWhite)) setBackColor(kWhite);

  const platform::Desktop& desktop = app_.platform.desktop;
  const platform::PixelRect area = desktop.fullScreenArea();
  app_.run.ScreenWidthPx = area.width();
  app_.run.ScreenHeightPx = area.height();
  move(0, 0, app_.run.ScreenWidthPx * desktop.twipsPerPixelX(),
       app_.run.ScreenHeightPx * desktop.twipsPerPixelY() + kTaskBarCover);
}

}  // namespace horalix
