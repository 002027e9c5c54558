#include "interaction/interaction_window.h"

#include "interaction/interaction_needs.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr unsigned kCell = platform::design::kHidden;

// The cells with the values they start with; Label8, hidden, measures the time's text; the
// picture box shows it.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label, .name = "Label1", .caption = "1", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label2", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label4", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label5", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label6", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label7", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label8", .flags = kCell | platform::design::kAutoSize},
    {.kind = ControlKind::Label, .name = "Label11", .flags = kCell},
    {.kind = ControlKind::PictureBox, .name = "Picture4"},
    {.kind = ControlKind::Label, .name = "Label9", .index = 0, .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label9", .index = 1, .caption = "0", .flags = kCell},
};

}  // namespace

// The cells start with the values of the window's design; every timer is off until a preset
// starts.
InteractionWindow::InteractionWindow(InteractionNeeds& needs)
    : Form(needs.platform.forms, "Frm_hudong"),
      Label1(addControls(kDesign).control("Label1")),
      Label2(control("Label2")),
      Label4(control("Label4")),
      Label5(control("Label5")),
      Label6(control("Label6")),
      Label7(control("Label7")),
      Label8(control("Label8")),
      Label11(control("Label11")),
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
    Label8.setCaption("12:30");
    timeUp_ = false;
    platform::FontSpec font = Label8.Font();
    font.size = 400;
    Label8.setFont(font);
  });
  attempt(needs_.platform.log, "Frm_hudong load", [&] {
    move(Left(), Top(), Label8.Width() + 200, Label8.Height() + 200);
    Picture4.move(0, 0, Width(), Height());
  });
  attempt(needs_.platform.log, "Frm_hudong load", [&] {
    move(-screenWidthTwips() - 10000, -screenHeightTwips() - 24000, Width(), Height());
  });
}

void InteractionWindow::park() { move(-Width() - 60000, -50000, Width(), Height()); }

bool InteractionWindow::flagOn(InteractionFlag flag) const {
  return interactionFlagOn(Label7.Caption(), flag);
}

int InteractionWindow::displaySize() const {
  const std::vector<std::string> fields = Split(Label4.Caption(), "\\");
  return CInt(fields.at(1));
}

std::string InteractionWindow::soundPath() const {
  return pathInProgramFolder(needs_.platform, "sounds\\" + Label6.Caption());
}

int InteractionWindow::screenWidthTwips() const {
  return horalix::screenWidthTwips(needs_.platform, needs_.run);
}

int InteractionWindow::screenHeightTwips() const {
  return horalix::screenHeightTwips(needs_.platform, needs_.run);
}

}  // namespace horalix
