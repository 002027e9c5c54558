#include "clock/time_glass.h"

#include "bars/bars.h"
#include "clock/timeout_colours.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlKind;

TimeGlass::TimeGlass(Context& app)
    : ClockWindow(app, ClockRole::floating()),
      Label10(addCell("Label10", -1, "0")),
      Label13(addCell("Label13", -1, "0")),
      Label15(addCell("Label15", -1, "0")),
      Image1(addControl("Image1", -1, ControlKind::Image)),
      Timer7(addTimer("Timer7", 500)) {
  move(0, 0, 2400, 900);
  // The count text and the time of day: the one in view stands at Top 0, the other far below.
  addControl("Label1", 1, ControlKind::Label).setTop(0);
  addControl("Label1", 2, ControlKind::Label).setTop(13800);
  addControl("Image2", 0, ControlKind::Image).setVisible(false);
  addControl("Image2", 1, ControlKind::Image).setVisible(false);
  Image1.setVisible(false);
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  Timer8.onTick = [this] { TimeoutColours(app_, *this); };
  Timer7.onTick = [this] { Timer7_Timer(); };
  Picture1.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Picture1_MouseDown(Button, Shift, X, Y);
  };
  Picture2.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Picture2_MouseDown(Button, Shift, X, Y);
  };
  Picture1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Picture1_MouseMove(Button, Shift, X, Y);
  };
  Picture2.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Picture2_MouseMove(Button, Shift, X, Y);
  };
  Image1.Click = [this] { Image1_Click(); };
  Image1.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Image1_MouseDown(Button, Shift, X, Y);
  };
  Image1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Image1_MouseMove(Button, Shift, X, Y);
  };
}

FrmProcess& TimeGlass::promptBar() { return app_.frmProcess(); }

void TimeGlass::redraw() { ShowStatue(Label11.Caption(), wantedSize()); }

}  // namespace horalix
