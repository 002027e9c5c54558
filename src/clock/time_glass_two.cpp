#include "clock/time_glass_two.h"

#include "clock/time_glass.h"
#include "clock/timeout_colours.h"
#include "services/context.h"

namespace horalix {

using platform::ControlKind;

TimeGlassTwo::TimeGlassTwo(Context& app)
    : Form(app.platform.forms, "time_glasstwo"),
      Label2(addCell("Label2", -1, "1")),
      Label3(addCell("Label3", -1, "0")),
      Label4(addCell("Label4", -1, "0")),
      Label5(addCell("Label5", -1, "1")),
      Label8(addCell("Label8", -1, "0")),
      Label11(addCell("Label11", -1, "11")),
      Label16(addCell("Label16", -1, "16")),
      Picture1(addControl("Picture1", -1, ControlKind::PictureBox)),
      Picture2(addControl("Picture2", -1, ControlKind::PictureBox)),
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
  addControl("Label1", 1, ControlKind::Label).setTop(0);
  addControl("Label1", 2, ControlKind::Label).setTop(13800);
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
