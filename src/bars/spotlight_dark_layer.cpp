#include "bars/spotlight_dark_layer.h"

#include <cmath>

#include "bars/bars_needs.h"
#include "bars/spotlight_settings.h"
#include "bars/spotlight_veil.h"
#include "services/attempt.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr std::uint32_t kWindowText = 0x80000008;  // system colour of window text: dark
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;  // the colour key: the clear rectangle
// The design size of the clear rectangle's picture, in pixels, and the width of its frame.
constexpr int kDesignWidthPx = 915;
constexpr int kDesignHeightPx = 34;
constexpr int kFramePx = 2;
// Idle windows wait this far beyond the top left corner of the screen.
constexpr int kParkGap = 5000;
// While the dark layer is open the other windows do not put themselves on top.
constexpr int kHoldOthers = 30;
constexpr int kLeftButton = 1;

// The clear rectangle.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::PictureBox, .name = "Picture1"},
};

}  // namespace

SpotlightDarkLayer::SpotlightDarkLayer(BarsNeeds& needs)
    : Form(needs.platform.forms, "Frm_move_background"),
      Picture1((addControls(kDesign), control("Picture1"))),
      Timer1(addTimer("Timer1", 100, false)),
      Timer2(addTimer("Timer2", 30, false)),
      Timer3(addTimer("Timer3", 300, true)),
      needs_(needs) {
  setBorderStyle(0);
  setBackColor(kWindowText);
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer3.onTick = [this] { Timer3_Timer(); };
  Picture1.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Picture1_MouseDown(Button, Shift, X, Y);
  };
  Picture1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Picture1_MouseMove(Button, Shift, X, Y);
  };
  DblClick = [this] { Form_DblClick(); };
}

void SpotlightDarkLayer::park() {
  move(-Width() - kParkGap, -Height() - kParkGap, Width(), Height());
}

void SpotlightDarkLayer::setMarkedCorners(const Corners& corners) { marked_ = corners; }

void SpotlightDarkLayer::buildSoon() { Timer1.setEnabled(true); }

void SpotlightDarkLayer::coverScreen() {
  const platform::Desktop& desktop = needs_.platform.desktop;
  const platform::PixelRect screen = desktop.primaryScreen();
  move(screen.left * desktop.twipsPerPixelX(), screen.top * desktop.twipsPerPixelY(),
       screen.width() * desktop.twipsPerPixelX(), screen.height() * desktop.twipsPerPixelY());
}

// The layer starts out of sight (the design shows it minimised) and hands over to the veil.
void SpotlightDarkLayer::Form_Load() {
  const platform::Desktop& desktop = needs_.platform.desktop;
  marked_.reset();
  Picture1.setBackColor(kBlack);
  Picture1.Cls();
  Picture1.move(0, 0, kDesignWidthPx * desktop.twipsPerPixelX(),
                kDesignHeightPx * desktop.twipsPerPixelY());
  coverScreen();
  park();
  Timer2.setEnabled(true);
}

void SpotlightDarkLayer::Timer2_Timer() {
  Timer2.setEnabled(false);
  Hide();
  SpotlightVeil& veil = needs_.spotlightVeil;
  veil.Load();
  const platform::Desktop& desktop = needs_.platform.desktop;
  const platform::PixelRect screen = desktop.primaryScreen();
  veil.move(screen.left * desktop.twipsPerPixelX(), screen.top * desktop.twipsPerPixelY(),
            screen.width() * desktop.twipsPerPixelX(), screen.height() * desktop.twipsPerPixelY());
  veil.Show();
  veil.setMousePointer(platform::MousePointer::Cross);
}

void SpotlightDarkLayer::Timer1_Timer() {
  Timer1.setEnabled(false);
  // Without a marked rectangle the clear one stays where it is.
  if (marked_) {
    attempt(needs_.platform.log, "Frm_move_background.Timer1", [&] {
      const auto [x0, y0, x1, y1] = *marked_;
      Picture1.move(static_cast<int>(x1 > x0 ? x0 : x1), static_cast<int>(y1 > y0 ? y0 : y1),
                    static_cast<int>(std::fabs(x1 - x0)), static_cast<int>(std::fabs(y1 - y0)));
    });
  }
  // The picture of the clear rectangle over the whole box: white inside a thin dark frame.
  attempt(needs_.platform.log, "Frm_move_background.Timer1", [&] {
    const platform::Desktop& desktop = needs_.platform.desktop;
    const auto frameX = static_cast<float>(kFramePx * desktop.twipsPerPixelX());
    const auto frameY = static_cast<float>(kFramePx * desktop.twipsPerPixelY());
    Picture1.setAutoRedraw(true);
    Picture1.Cls();
    const float insideWidth = static_cast<float>(Picture1.ScaleWidth()) - 2 * frameX;
    const float insideHeight = static_cast<float>(Picture1.ScaleHeight()) - 2 * frameY;
    if (insideWidth > 0 && insideHeight > 0) {
      Picture1.fillBox(frameX, frameY, insideWidth, insideHeight, kWhite);
    }
  });
  std::int32_t opacity = 70;
  attempt(needs_.platform.log, "Frm_move_background.Timer1",
          [&] { opacity = spotlightOpacity(needs_.platform.files, iniPath(needs_.platform)); });
  Show();
  coverScreen();
  // Set on the shown window: Wine takes a colour key given to a hidden window only partly.
  attempt(needs_.platform.log, "Frm_move_background.Timer1",
          [&] { SetTransparent(*this, kWhite, spotlightAlpha(opacity)); });
}

void SpotlightDarkLayer::Picture1_MouseDown(int Button, int Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  grabX_ = X;
  grabY_ = Y;
}

void SpotlightDarkLayer::Picture1_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Shift;
  // Only the left button alone drags the rectangle.
  if (Button != kLeftButton) return;
  Picture1.move(static_cast<int>(static_cast<float>(Picture1.Left()) - grabX_ + X),
                static_cast<int>(static_cast<float>(Picture1.Top()) - grabY_ + Y), Picture1.Width(),
                Picture1.Height());
}

void SpotlightDarkLayer::Timer3_Timer() {
  needs_.run.holdOff = kHoldOthers;
  attempt(needs_.platform.log, "Frm_move_background.Timer3", [&] { setTopmost(true); });
}

void SpotlightDarkLayer::Form_DblClick() {
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);
  Timer3.setEnabled(false);
  needs_.spotlightMenu.setChecked(Spotlight::Area, false);
  needs_.run.openToolWindow = OpenWindow::None;
  Unload();
}

}  // namespace horalix
