#include "bars/follow_spotlight.h"

#include "bars/bars_needs.h"
#include "bars/spotlight_settings.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/picture_size.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr std::uint32_t kMenuText = 0x80000007;  // system colour of menu text: dark
constexpr std::uint32_t kWhite = 0xFFFFFF;       // the colour key: the see-through spot
constexpr std::uint32_t kRimGrey = 0xC0C0C0;
// The built-in spot, in pixels: the disc and its soft rim.
constexpr int kSpotWidthPx = 131;
constexpr int kSpotHeightPx = 130;
constexpr int kRimPx = 3;
// Below the full-screen area lies the task bar; the spotlight covers it too.
constexpr int kTaskBarCover = 3000;
// While the spotlight is open the other windows do not put themselves on top.
constexpr int kHoldOthers = 200;

// The spot's picture box, in the menu text colour that the colour key leaves out.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::PictureBox, .name = "Picture1", .backColor = kMenuText},
};

}  // namespace

FollowSpotlight::FollowSpotlight(BarsNeeds& needs)
    : Form(needs.platform.forms, "Frm_light"),
      Picture1((addControls(kDesign), control("Picture1"))),
      Timer1(addTimer("Timer1", 500, true)),
      Timer2(addTimer("Timer2", 10, true)),
      needs_(needs) {
  setBorderStyle(0);
  setBackColor(kMenuText);
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  MouseMove = [this](int Button, int Shift, float X, float Y) {
    Form_MouseMove(Button, Shift, X, Y);
  };
}

void FollowSpotlight::showBuiltInSpot() {
  const int tx = needs_.platform.desktop.twipsPerPixelX();
  const int ty = needs_.platform.desktop.twipsPerPixelY();
  const auto width = static_cast<float>(kSpotWidthPx * tx);
  const auto height = static_cast<float>(kSpotHeightPx * ty);
  Picture1.setPicture("");
  Picture1.move(Picture1.Left(), Picture1.Top(), kSpotWidthPx * tx, kSpotHeightPx * ty);
  Picture1.Cls();
  Picture1.fillEllipse(0, 0, width, height, kRimGrey);
  Picture1.fillEllipse(static_cast<float>(kRimPx * tx), static_cast<float>(kRimPx * ty),
                       width - static_cast<float>(2 * kRimPx * tx),
                       height - static_cast<float>(2 * kRimPx * ty), kWhite);
}

// Every load starts from the design: nothing of an earlier showing is kept, and the settings
// are read afresh.
void FollowSpotlight::Form_Load() {
  ticksBelowMenu_ = 0;
  showBuiltInSpot();
  attempt(needs_.platform.log, "Frm_light",
          [&] { captureScreenSize(needs_.platform, needs_.run); });
  move(0, 0, screenWidthTwips(needs_.platform, needs_.run),
       screenHeightTwips(needs_.platform, needs_.run) + kTaskBarCover);

  platform::FileSystem& files = needs_.platform.files;
  const std::string ini = iniPath(needs_.platform);
  std::string name = "000";
  attempt(needs_.platform.log, "Frm_light", [&] { name = spotlightBitmapName(files, ini); });
  std::int32_t opacity = 70;
  attempt(needs_.platform.log, "Frm_light", [&] { opacity = spotlightOpacity(files, ini); });
  const std::string bitmap = pathInProgramFolder(needs_.platform, "LightPic\\" + name + ".bmp");
  if (files.normalFileExists(bitmap)) {
    attempt(needs_.platform.log, "Frm_light", [&] {
      const PictureDimensions size = PictureSize(files, bitmap);
      Picture1.Cls();
      Picture1.setPicture(bitmap, size.width, size.height);
      const platform::Desktop& desktop = needs_.platform.desktop;
      Picture1.move(Picture1.Left(), Picture1.Top(), size.width * desktop.twipsPerPixelX(),
                    size.height * desktop.twipsPerPixelY());
    });
  }
  alpha_ = spotlightAlpha(opacity);
}

// White is the see-through spot; everything else is drawn at the opacity. Set on the shown
// window: Wine takes a colour key given to a hidden window only partly.
void FollowSpotlight::Form_Activate() {
  attempt(needs_.platform.log, "Frm_light", [&] { SetTransparent(*this, kWhite, alpha_); });
}

void FollowSpotlight::centreSpotOn(float x, float y) {
  Picture1.move(static_cast<int>(x - static_cast<float>(Picture1.Width()) / 2),
                static_cast<int>(y - static_cast<float>(Picture1.Height()) / 2), Picture1.Width(),
                Picture1.Height());
}

void FollowSpotlight::Timer2_Timer() {
  const platform::PixelPoint at = CursorPos(needs_.platform);
  const platform::Desktop& desktop = needs_.platform.desktop;
  centreSpotOn(static_cast<float>(at.x * desktop.twipsPerPixelX()),
               static_cast<float>(at.y * desktop.twipsPerPixelY()));
}

void FollowSpotlight::Form_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  centreSpotOn(X, Y);
}

void FollowSpotlight::stayBelowMenu() { ticksBelowMenu_ = 20; }

void FollowSpotlight::Timer1_Timer() {
  needs_.run.holdOff = kHoldOthers;
  // A right click on the clock sets the counter, so that the clock's menu is not covered.
  if (ticksBelowMenu_ == 0) {
    attempt(needs_.platform.log, "Frm_light.Timer1", [&] { setTopmost(true); });
  } else {
    --ticksBelowMenu_;
  }
}

}  // namespace horalix
