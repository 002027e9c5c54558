#include "bars/time_up_backdrop.h"

#include "bars/bars_needs.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
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

TimeUpBackdrop::TimeUpBackdrop(BarsNeeds& needs)
    : Form(needs.platform.forms, "Frm_black"), needs_(needs) {
  setBorderStyle(0);
  setBackColor(kWindowBackground);
}

void TimeUpBackdrop::Form_Load() {
  // The keep-on-top routine acts at once, so the backdrop goes over everything.
  attempt(needs_.platform.log, "Frm_black", [&] { needs_.run.holdOff = 0; });
  attempt(needs_.platform.log, "Frm_black", [&] { SetTopmost(needs_.run, *this); });
  // Over the design colour each chosen look applies in turn: the last colour wins, only the first
  // one is translucent.
  const std::string& options = needs_.settings.checkvalue;
  if (optionOn(options, CheckFlag::ScreenTranslucent)) {
    setBackColor(kWindowText);
    attempt(needs_.platform.log, "Frm_black", [&] { setLayered(-1, kHalfOpaque); });
  }
  if (optionOn(options, CheckFlag::ScreenBlack)) setBackColor(kWindowText);
  if (optionOn(options, CheckFlag::ScreenWhite)) setBackColor(kWhite);

  captureScreenSize(needs_.platform, needs_.run);
  move(0, 0, screenWidthTwips(needs_.platform, needs_.run),
       screenHeightTwips(needs_.platform, needs_.run) + kTaskBarCover);
}

}  // namespace horalix
