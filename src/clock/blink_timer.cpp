// The reminder's blink: every 450 ms the clock's text is blanked or shown again while BlinkCount
// runs down, and the reminder lasts while BlinkHold runs down. When both have run out the blink
// stops and a clock that is meant to stay hidden goes back to its parked place. The mirror
// blinks in step with the clock.
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/setting_readers.h"

namespace horalix {

void FloatingClock::Timer3_Timer() {
  MirrorClock& mirror = needs_.mirrorClock;
  auto& count = needs_.run.BlinkCount;
  auto& hold = needs_.run.BlinkHold;
  Timer3.setInterval(450);
  if (stageFlashes) {
    if (count > 0 && count % 2 == 1) {
      const int size = wantedSize();
      ShowStatue("", size);
      if (ReadSecondScreen(needs_.platform, needs_.interactionMenu) == 1)
        mirror.ShowStatue("", size + MirrorSizeAdd);
    } else {
      // A text that cannot be made (an option string too short or not digits) leaves the face
      // as it was for this half-period; the counters below still run down, so the blink ends.
      attempt(needs_.platform.log, "time_glass.Timer3", [&] { Label_change(); });
    }
  }
  if (count <= 0) {
    if (hold <= 0) {
      Timer3.setEnabled(false);
      mirror.stopBlink();
    }
    Picture2.setVisible(true);
    mirror.showTextBox();
    stageFlashes = false;
  }
  if (reminderPending && !faceShown && hold <= 0) {
    Timer2.setEnabled(true);
    mirror.startSequencer();
  }
  if (count > 0) --count;
  if (hold > 0) --hold;
}

}  // namespace horalix
