#include "clock/time_glass.h"

#include "clock/timeout_colours.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlKind;

TimeGlass::TimeGlass(Context& app)
    : Form(app.platform.forms, "time_glass"),
      Label2(addCell("Label2", -1, "1")),
      Label3(addCell("Label3", -1, "0")),
      Label4(addCell("Label4", -1, "0")),
      Label5(addCell("Label5", -1, "0")),
      Label8(addCell("Label8", -1, "0")),
      Label9(addControl("Label9", -1, ControlKind::Label)),
      Label10(addCell("Label10", -1, "0")),
      Label11(addCell("Label11", -1, "")),
      Label13(addCell("Label13", -1, "0")),
      Label15(addCell("Label15", -1, "0")),
      Label16(addCell("Label16", -1, "")),
      Picture1(addControl("Picture1", -1, ControlKind::PictureBox)),
      Picture2(addControl("Picture2", -1, ControlKind::PictureBox)),
      Picture3(addControl("Picture3", -1, ControlKind::PictureBox)),
      Image1(addControl("Image1", -1, ControlKind::Image)),
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
  // The count text and the time of day: the one in view stands at Top 0, the other far below.
  addControl("Label1", 1, ControlKind::Label).setTop(0);
  addControl("Label1", 2, ControlKind::Label).setTop(13800);
  addControl("Image2", 0, ControlKind::Image).setVisible(false);
  addControl("Image2", 1, ControlKind::Image).setVisible(false);
  Image1.setVisible(false);
  Label9.setVisible(false);
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
