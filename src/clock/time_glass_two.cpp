#include "clock/time_glass_two.h"

#include "clock/time_glass.h"
#include "clock/timeout_colours.h"
#include "services/context.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr unsigned kCell = platform::design::kHidden;

// The mirror's design: its cells with their starting values, the face's picture boxes and label
// (the face places them) and the two texts, one in view and one far below.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label, .name = "Label2", .caption = "1", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label3", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label4", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label5", .caption = "1", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label8", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label11", .caption = "11", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label16", .caption = "16", .flags = kCell},
    {.kind = ControlKind::PictureBox, .name = "Picture1"},
    {.kind = ControlKind::PictureBox, .name = "Picture2"},
    {.kind = ControlKind::PictureBox, .name = "Picture3"},
    {.kind = ControlKind::Label, .name = "Label9", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label1", .index = 1, .top = 0},
    {.kind = ControlKind::Label, .name = "Label1", .index = 2, .top = 13800},
};

}  // namespace

TimeGlassTwo::TimeGlassTwo(Context& app)
    : Form(app.platform.forms, "time_glasstwo"),
      Label2(addControls(kDesign).control("Label2")),
      Label3(control("Label3")),
      Label4(control("Label4")),
      Label5(control("Label5")),
      Label8(control("Label8")),
      Label11(control("Label11")),
      Label16(control("Label16")),
      Picture1(control("Picture1")),
      Picture2(control("Picture2")),
      Timer1(addTimer("Timer1", 1000)),
      Timer2(addTimer("Timer2", 8)),
      Timer3(addTimer("Timer3", 450)),
      Timer4(addTimer("Timer4", 1000)),
      Timer5(addTimer("Timer5", 20)),
      Timer8(addTimer("Timer8", 50)),
      app_(app),
      // The mirror shows the back picture that the floating clock holds.
      face_(app, *this, 3000, &app.timeGlass()) {
  move(-30000, -6000, 5490, 2490);
  // The mirror's own run start does not set a run up yet: it parks the mirror.
  Timer5.onTick = [this] {
    Timer5.setEnabled(false);
    park();
  };
  Timer8.onTick = [this] { TimeoutColours(app_, *this); };
}

void TimeGlassTwo::park() { move(-Width() - 5000, -Height() - 5000, Width(), Height()); }

void TimeGlassTwo::Form_Load() { park(); }

void TimeGlassTwo::ShowStatue(const std::string& s, int FSize) { face_.ShowStatue(s, FSize); }

void TimeGlassTwo::creatrange() { face_.creatrange(); }

void TimeGlassTwo::changcolor(std::uint32_t nowcolor) { face_.changcolor(nowcolor); }

}  // namespace horalix
