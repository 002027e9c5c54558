// The dynamic-brightness spotlight's dark layer: a bare window over the whole primary screen,
// dark at the opacity of [light] backlight, with a clear rectangle (Picture1) that the user
// marks on the veil (Frm_move_before) and may then drag. A double click on the dark area ends
// the effect. Whoever opens or closes it keeps the main window's record of the open tool window
// and the menu check mark (spotlight_menu.h).
#pragma once

#include <optional>

#include "platform/forms.h"

namespace horalix {

struct BarsNeeds;

class SpotlightDarkLayer : public platform::Form {
 public:
  explicit SpotlightDarkLayer(BarsNeeds& needs);

  // The clear rectangle: white (see-through) inside a thin dark frame.
  platform::Control& Picture1;
  platform::Timer& Timer1;  // one shot, 100 ms after the closing press: builds the dark layer
  platform::Timer& Timer2;  // one shot, 30 ms after the load: hands over to the veil
  platform::Timer& Timer3;  // keep on top, every 300 ms

  void Picture1_MouseDown(int Button, int Shift, float X, float Y);
  void Picture1_MouseMove(int Button, int Shift, float X, float Y);
  void Form_DblClick();

  // The rectangle the veil marks: the first corner pressed and the opposite one, in twips.
  struct Corners {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool operator==(const Corners&) const = default;
  };
  void setMarkedCorners(const Corners& corners);
  // Nothing until the veil has marked a rectangle since the load.
  std::optional<Corners> markedCorners() const { return marked_; }
  // The veil has closed: 100 ms later the dark layer shows with the clear rectangle where it
  // was marked.
  void buildSoon();

  // Parks the window off screen: where it waits, out of sight, while the veil is in use.
  void park();

 protected:
  void Form_Load() override;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  // Covers the primary screen, as a maximised window does.
  void coverScreen();

  BarsNeeds& needs_;
  std::optional<Corners> marked_;
  float grabX_ = 0, grabY_ = 0;
};

}  // namespace horalix
