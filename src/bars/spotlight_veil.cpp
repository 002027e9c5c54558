#include "bars/spotlight_veil.h"

#include <algorithm>
#include <cmath>

#include "bars/bars_needs.h"
#include "bars/spotlight_dark_layer.h"
#include "services/attempt.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kDesktopColour = 0x80000001;  // system colour of the desktop
// Almost invisible, but the veil takes the mouse over the whole screen.
constexpr std::int32_t kVeilAlpha = 20;

// The mark of the first corner. Disabled, it lets the mouse through to the veil beneath it.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label,
     .name = "Mark",
     .backColor = kDesktopColour,
     .flags = platform::design::kHidden | platform::design::kDisabled},
};

}  // namespace

SpotlightVeil::SpotlightVeil(BarsNeeds& needs)
    : Form(needs.platform.forms, "Frm_move_before"),
      Mark((addControls(kDesign), control("Mark"))),
      needs_(needs) {
  setBorderStyle(0);
  MouseDown = [this](int Button, int Shift, float X, float Y) {
    Form_MouseDown(Button, Shift, X, Y);
  };
  MouseMove = [this](int Button, int Shift, float X, float Y) {
    Form_MouseMove(Button, Shift, X, Y);
  };
}

void SpotlightVeil::Form_Load() {
  dragging_ = false;
  drawn_ = false;
  attempt(needs_.platform.log, "Frm_move_before",
          [&] { SetTransparent(*this, kWhite, kVeilAlpha); });
}

// Any button: the first press fixes one corner; a press after the pointer has moved fixes the
// other and hands the rectangle to the dark layer.
void SpotlightVeil::Form_MouseDown(int Button, int Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  const bool wasDrawn = drawn_;
  startX_ = X;
  startY_ = Y;
  dragging_ = true;
  if (wasDrawn) {
    dragging_ = false;
    drawn_ = false;
    needs_.spotlightDarkLayer.buildSoon();
    Unload();
  }
}

void SpotlightVeil::Form_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Button;
  (void)Shift;
  if (!dragging_) {
    Mark.setVisible(false);
    return;
  }
  Mark.move(static_cast<int>(std::min(startX_, X)), static_cast<int>(std::min(startY_, Y)),
            static_cast<int>(std::fabs(X - startX_)), static_cast<int>(std::fabs(Y - startY_)));
  Mark.setVisible(true);
  needs_.spotlightDarkLayer.setMarkedCorners({startX_, startY_, X, Y});
  drawn_ = true;
}

}  // namespace horalix
