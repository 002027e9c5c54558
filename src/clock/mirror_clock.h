// The mirror clock on the extended screen: it repeats the floating clock there while the
// extended screen is in use, counting with its own timers on the run values it shares with the
// floating clock and always showing the text that the floating clock shows. It drives the
// extended screen's prompt bar at its reminder stages. While the extended screen is not in use
// it is prepared at every run start but stays parked far off screen.
#pragma once

#include <cstdint>
#include <string>

#include "clock/clock_window.h"

namespace horalix {

struct ClockNeeds;

class MirrorClock : public ClockWindow {
 public:
  explicit MirrorClock(ClockNeeds& needs);

  // Builds the mirror's own face text from its count, then draws the floating clock's text on
  // the mirror's face.
  void Label_change() override;

  // Mouse input on the face: a left click redraws; a move with the left button drags the
  // window, and every move saves where the mirror stands.
  void Picture1_MouseDown(int Button, int Shift, float X, float Y) override;
  void Picture1_MouseMove(int Button, int Shift, float X, float Y) override;

  // Points added to every font size of the mirror: [Hotkey] add, taken by the run start.
  std::int16_t MirrorFontAdd = 0;

 protected:
  void Form_Load() override;
  void Form_LostFocus() override;

  void endCountDown() override;
  void endOvertime() override { stopCountTimers(); }
  void countUpLostRun() override { stopCountTimers(); }
  PromptBar& promptBar() override;
  void redraw() override;
  void placeAtSavedPosition() override;

 private:
  void Timer5_Timer();
  // The font size of the floating clock's text plus the mirror's enlargement.
  int mirrorSize();
  // Far above and left of the primary screen, by the screen's size: the mirror's place while
  // the extended screen is not in use.
  void parkOffScreen();
  // The saved place on the extended screen: a Left on the primary screen becomes the extended
  // screen's left edge, a Top below the screen is reduced by whole screen heights.
  struct Place {
    int left = 0, top = 0;
  };
  Place savedPlace();
};

}  // namespace horalix
