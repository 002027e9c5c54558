#include "clock/floating_clock.h"

#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/timeout_colours.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlKind;

namespace {

constexpr unsigned kHidden = platform::design::kHidden;

// What the floating clock has beyond the controls of both clocks: the play/stop image and its two
// pictures.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Image, .name = "Image1", .flags = kHidden},
    {.kind = ControlKind::Image, .name = "Image2", .index = 0, .flags = kHidden},
    {.kind = ControlKind::Image, .name = "Image2", .index = 1, .flags = kHidden},
};

}  // namespace

FloatingClock::FloatingClock(ClockNeeds& needs)
    : ClockWindow(needs, ClockRole::floating()),
      Image1((addControls(kDesign), control("Image1"))),
      Timer7(addTimer("Timer7", 500)) {
  move(0, 0, 2400, 900);
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  Timer8.onTick = [this] {
    timeoutColours(needs_.platform, needs_.interactionMenu, needs_.mirrorClock, *this);
  };
  Timer7.onTick = [this] { Timer7_Timer(); };
  Image1.Click = [this] { Image1_Click(); };
  Image1.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Image1_MouseDown(Button, Shift, X, Y);
  };
  Image1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Image1_MouseMove(Button, Shift, X, Y);
  };
}

PromptBar& FloatingClock::promptBar() { return needs_.promptBar; }

void FloatingClock::redraw() { ShowStatue(faceText(), wantedSize()); }

}  // namespace horalix
