#include "interaction/interaction_window.h"

#include "interaction/interaction_needs.h"
#include "interaction/interaction_presets.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlKind;

namespace {

// textMeasure, hidden and sized to its caption, measures the time's text; the picture box shows
// it.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label,
     .name = "TextMeasure",
     .flags = platform::design::kHidden | platform::design::kAutoSize},
    {.kind = ControlKind::PictureBox, .name = "Picture4"},
};

}  // namespace

// Every timer is off until a preset starts.
InteractionWindow::InteractionWindow(InteractionNeeds& needs)
    : Form(needs.platform.forms, "Frm_hudong"),
      textMeasure((addControls(kDesign), control("TextMeasure"))),
      Picture4(control("Picture4")),
      Timer1(addTimer("Timer1", 1000)),
      Timer2(addTimer("Timer2", 500)),
      Timer3(addTimer("Timer3", 100)),
      Timer4(addTimer("Timer4", 100)),
      Timer5(addTimer("Timer5", 1000)),
      Timer6(addTimer("Timer6", 1000)),
      needs_(needs) {
  // Nothing but the time shows: no caption, no frame, no task-bar button.
  setBorderStyle(0);
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Picture4.MouseDown = [this](int Button, int, float, float) { Picture4_MouseDown(Button); };
  Picture4.MouseMove = [this](int Button, int, float, float) { Picture4_MouseMove(Button); };
  Picture4.DblClick = [this] { Picture4_DblClick(); };
  move(0, 0, 3600, 1800);
}

// Sized for a large time and parked above and left of every screen; each step goes on after a
// failing one.
void InteractionWindow::Form_Load() {
  attempt(needs_.platform.log, "Frm_hudong load", [&] {
    setShownText("12:30");
    timeUp_ = false;
    platform::FontSpec font = textMeasure.Font();
    font.size = 400;
    textMeasure.setFont(font);
  });
  attempt(needs_.platform.log, "Frm_hudong load", [&] {
    move(Left(), Top(), textMeasure.Width() + 200, textMeasure.Height() + 200);
    Picture4.move(0, 0, Width(), Height());
  });
  attempt(needs_.platform.log, "Frm_hudong load", [&] {
    move(-screenWidthTwips() - 10000, -screenHeightTwips() - 24000, Width(), Height());
  });
}

void InteractionWindow::setShownText(const std::string& text) {
  shownText = text;
  textMeasure.setCaption(text);
}

void InteractionWindow::park() { move(-Width() - 60000, -50000, Width(), Height()); }

bool InteractionWindow::flagOn(InteractionFlag flag) const {
  return interactionFlagOn(optionFlags_, flag);
}

int InteractionWindow::displaySize() const {
  const std::vector<std::string> fields = Split(displaySelection, "\\");
  return CInt(fields.at(1));
}

std::string InteractionWindow::soundPath() const {
  return pathInProgramFolder(needs_.platform, "sounds\\" + soundFile);
}

int InteractionWindow::screenWidthTwips() const {
  return horalix::screenWidthTwips(needs_.platform, needs_.run);
}

int InteractionWindow::screenHeightTwips() const {
  return horalix::screenHeightTwips(needs_.platform, needs_.run);
}

}  // namespace horalix
