#include "clock/mirror_clock.h"

#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/timeout_colours.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/setting_readers.h"

namespace horalix {

MirrorClock::MirrorClock(ClockNeeds& needs)
    // The mirror shows the back picture that the floating clock holds.
    : ClockWindow(needs, ClockRole::extendedScreen(), &needs.floatingClock) {
  alarmStage = AlarmStage::Alarm1;
  // The face text of the design, measured until the first run start sets one.
  setFaceText("11");
  move(-30000, -6000, 5490, 2490);
  // The mirror has no blink of its own (the floating clock blinks both faces): its Timer3 only
  // switches itself off.
  Timer3.onTick = [this] {
    Timer3.setInterval(450);
    Timer3.setEnabled(false);
  };
  Timer5.onTick = [this] { Timer5_Timer(); };
  Timer8.onTick = [this] { timeoutColours(*this); };
}

PromptBar& MirrorClock::promptBar() { return needs_.secondPromptBar; }

int MirrorClock::mirrorSize() { return wantedSize() + MirrorFontAdd; }

void MirrorClock::redraw() { ShowStatue(needs_.floatingClock.faceText(), mirrorSize()); }

void MirrorClock::Label_change() {
  setFaceText(shownText());
  redraw();
  needs_.platform.loop.doEvents();
}

void MirrorClock::parkOffScreen() {
  setTop(-screenHeightTwips(needs_.platform, needs_.run) - 15000);
  setLeft(-screenWidthTwips(needs_.platform, needs_.run) - 5000);
}

MirrorClock::Place MirrorClock::savedPlace() {
  // A coordinate stored nowhere counts as 0: the top left corner of the extended screen.
  const BarPosition at = readBarPosition(needs_.platform, "clocklefttwo", "clocktoptwo", 0);
  Place place{at.left, at.top};
  place.top = reduceByScreenHeights(place.top, screenHeightTwips(needs_.platform, needs_.run));
  const int w = screenWidthTwips(needs_.platform, needs_.run);
  if (place.left < w) place.left = w;
  return place;
}

// Unlike the placement at load, a negative top stays, and nothing is parked when the extended
// screen is not in use: the window is simply not moved.
void MirrorClock::placeAtSavedPosition() {
  if (ReadSecondScreen(needs_.platform, needs_.interactionMenu) != 1) return;
  const Place place = savedPlace();
  setLeft(place.left);
  setTop(place.top);
}

}  // namespace horalix
