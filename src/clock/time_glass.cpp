#include "clock/time_glass.h"

#include "clock/timeout_colours.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr unsigned kCell = platform::design::kHidden;

// The window's design. The cells hold the values they start with; the count text and the time of
// day (Label1) stand one in view at Top 0 and the other far below; the picture boxes and the
// labels of the face are placed by the face.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label, .name = "Label2", .caption = "1", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label3", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label4", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label5", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label8", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label9", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label10", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label11", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label13", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label15", .caption = "0", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label16", .flags = kCell},
    {.kind = ControlKind::PictureBox, .name = "Picture1"},
    {.kind = ControlKind::PictureBox, .name = "Picture2"},
    {.kind = ControlKind::PictureBox, .name = "Picture3"},
    {.kind = ControlKind::Image, .name = "Image1", .flags = kCell},
    {.kind = ControlKind::Label, .name = "Label1", .index = 1, .top = 0},
    {.kind = ControlKind::Label, .name = "Label1", .index = 2, .top = 13800},
    {.kind = ControlKind::Image, .name = "Image2", .index = 0, .flags = kCell},
    {.kind = ControlKind::Image, .name = "Image2", .index = 1, .flags = kCell},
};

}  // namespace

TimeGlass::TimeGlass(Context& app)
    : Form(app.platform.forms, "time_glass"),
      Label2(addControls(kDesign).control("Label2")),
      Label3(control("Label3")),
      Label4(control("Label4")),
      Label5(control("Label5")),
      Label8(control("Label8")),
      Label9(control("Label9")),
      Label10(control("Label10")),
      Label11(control("Label11")),
      Label13(control("Label13")),
      Label15(control("Label15")),
      Label16(control("Label16")),
      Picture1(control("Picture1")),
      Picture2(control("Picture2")),
      Picture3(control("Picture3")),
      Image1(control("Image1")),
      Timer1(addTimer("Timer1", 1000)),
      Timer2(addTimer("Timer2", 100)),
      Timer3(addTimer("Timer3", 450)),
      Timer4(addTimer("Timer4", 1000)),
      Timer5(addTimer("Timer5", 20)),
      Timer7(addTimer("Timer7", 500)),
      Timer8(addTimer("Timer8", 50)),
      app_(app),
      face_(app, *this, 2000) {
  move(0, 0, 2400, 900);
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  Timer8.onTick = [this] { TimeoutColours(app_, *this); };
}

void TimeGlass::park() { move(-Width() - 5000, -Height() - 5000, Width(), Height()); }

int TimeGlass::wantedSize() {
  return FontSizeByIndex(
      static_cast<int>(Val(FontselectPart(app_.settings.Fontselect, FontselectField::SizeIndex))));
}

void TimeGlass::ShowStatue(const std::string& s, int FSize) { face_.ShowStatue(s, FSize); }

void TimeGlass::creatrange() { face_.creatrange(); }

void TimeGlass::changcolor(std::uint32_t nowcolor) { face_.changcolor(nowcolor); }

}  // namespace horalix
