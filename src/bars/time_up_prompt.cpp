#include "bars/time_up_prompt.h"

#include <algorithm>

#include "bars/bars.h"
#include "bars/time_up_backdrop.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/ports.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr int kMinimumWidth = 3000;

// The prompt's text sizes itself to the time-up text; the button closes the prompt.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label,
     .name = "Label2",
     .left = 480,
     .top = 360,
     .fontName = "宋体",
     .fontSize = 10.5,
     .flags = platform::design::kAutoSize},
    {.kind = ControlKind::CommandButton,
     .name = "Command1",
     .top = 960,
     .width = 1215,
     .height = 495,
     .caption = "关闭",
     .tabIndex = 0},
};

}  // namespace

platform::OwnedForm<TimeUpPrompt> makeTimeUpPrompt(BarsNeeds& needs) {
  return platform::OwnedForm<TimeUpPrompt>::build(needs);
}

TimeUpPrompt::TimeUpPrompt(BarsNeeds& needs)
    : Form(needs.platform.forms, "Frm_tishi"),
      Label2((addControls(kDesign), control("Label2"))),
      Command1(control("Command1")),
      Timer1(addTimer("Timer1", 500, true)),
      needs_(needs),
      backdrop_(platform::OwnedForm<TimeUpBackdrop>::build(needs)) {
  setBorderStyle(3);
  setClientSize(4155, 1740);
  Command1.Click = [this] { closePrompt(); };
  Command1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Command1_MouseMove(Button, Shift, X, Y);
  };
  Timer1.onTick = [this] { Timer1_Timer(); };
}

void TimeUpPrompt::Form_Load() {
  // The design gives the client area; the dialog frame, as the system draws it, comes on top.
  setClientSize(4155, 1740);
  attempt(needs_.platform.log, "Frm_tishi", [&] { backdrop_.form().Show(); });
  // Made topmost after the backdrop, the prompt lies above it.
  attempt(needs_.platform.log, "Frm_tishi", [&] { SetTopmost(needs_.run, *this); });
  setCaption("Horalix");
  Label2.setCaption(needs_.settings.tellouttext);
  setWidth(std::max(Label2.Width() + 2 * Label2.Left(), kMinimumWidth));
}

void TimeUpPrompt::Form_Activate() {
  Label2.setLeft((Width() - Label2.Width()) / 2);
  Command1.setLeft((Width() - Command1.Width()) / 2);
  const platform::Desktop& desktop = needs_.platform.desktop;
  move((needs_.run.ScreenWidthPx * desktop.twipsPerPixelX() - Width()) / 2,
       (needs_.run.ScreenHeightPx * desktop.twipsPerPixelY() - Height()) / 2, Width(), Height());
}

void TimeUpPrompt::Timer1_Timer() {
  // Directly on top, whatever the hold-off counter says.
  attempt(needs_.platform.log, "Frm_tishi.Timer1", [&] { setTopmost(true); });
  attempt(needs_.platform.log, "Frm_tishi.Timer1", [&] {
    const int size = FontSizeByIndex(
        CInt(Val(fontselectPart(needs_.settings.Fontselect, FontselectField::SizeIndex))));
    needs_.clockDisplay.redrawText(size);
  });
}

void TimeUpPrompt::Command1_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  (void)X;
  (void)Y;
  closePrompt();
}

void TimeUpPrompt::Form_Unload(bool& cancel) {
  (void)cancel;
  unloading_ = true;
  closePrompt();
  unloading_ = false;
}

void TimeUpPrompt::closePrompt() {
  Timer1.setEnabled(false);
  attempt(needs_.platform.log, "Frm_tishi", [&] { backdrop_.form().Unload(); });
  // While the prompt is already unloading, its second unload does nothing.
  if (!unloading_) Unload();
  attempt(needs_.platform.log, "Frm_tishi", [&] { needs_.clockDisplay.putOnTop(); });
}

}  // namespace horalix
