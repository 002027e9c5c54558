// The veil of the dynamic-brightness spotlight: an almost invisible window over the whole
// primary screen that takes the mouse while the user marks the rectangle to keep clear. The
// first press fixes one corner; the next press after the pointer has moved fixes the other,
// closes the veil and has the dark layer built.
#pragma once

#include "platform/forms.h"

namespace horalix {

struct BarsNeeds;

class SpotlightVeil : public platform::Form {
 public:
  explicit SpotlightVeil(BarsNeeds& needs);

  // The rectangle being marked, drawn while the pointer moves (not part of the design's
  // controls: the design draws it on the window itself).
  platform::Control& Mark;

  void Form_MouseDown(int Button, int Shift, float X, float Y);
  void Form_MouseMove(int Button, int Shift, float X, float Y);

  bool dragging() const { return dragging_; }
  bool drawn() const { return drawn_; }

 protected:
  void Form_Load() override;

 private:
  BarsNeeds& needs_;
  float startX_ = 0, startY_ = 0;
  bool dragging_ = false, drawn_ = false;
};

}  // namespace horalix
