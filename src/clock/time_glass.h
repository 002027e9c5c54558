// The floating clock window.
#pragma once

#include <cstdint>
#include <string>

#include "clock/clock_face.h"
#include "platform/forms.h"

namespace horalix {

class App;

class TimeGlass : public platform::Form {
 public:
  explicit TimeGlass(App& app);

  // Moves the clock far off screen, above and to the left of the primary screen.
  void park();

  // Lays the clock face out around the text s at the font size FSize (points) and draws it.
  void ShowStatue(const std::string& s, int FSize);
  // Cuts the window to its rounded outline over its current size.
  void creatrange();
  // Keys out a colour close to the text colour nowcolor, so that only the text shows.
  void changcolor(std::uint32_t nowcolor);

  // ---- Cells (hidden labels whose captions carry state) ----

  // State of the show-and-place sequencer: "1" place and show, "3" at rest.
  platform::Control& Label2;
  // Companions of Label2: "1"/"0" when the clocks are shown, "0"/"0" when parked; Label4 "1"
  // sends the sequencer on to the stage alert.
  platform::Control& Label3;
  platform::Control& Label4;
  // Reminder stage reached: "1" to "3" the alarms, "4" zero, "0" none, "7" a settings preview.
  platform::Control& Label5;
  // Blink flag of the stage.
  platform::Control& Label8;
  // Width template of the text; its width is the clock's width while no back picture shows.
  platform::Control& Label9;
  // Remaining milliseconds at the run start, a guard against the time left rising.
  platform::Control& Label10;
  // The text the clock shows.
  platform::Control& Label11;
  // "0" re-arms the count tick's once-a-run action.
  platform::Control& Label13;
  // "1": the next run start puts the clocks back where the show/hide choice wants them.
  platform::Control& Label15;
  // Time of day at which the running segment began, as text.
  platform::Control& Label16;
  // The two drawing surfaces inside the window.
  platform::Control& Picture1;
  platform::Control& Picture2;

  // ---- Timers ----

  platform::Timer& Timer1;  // count-down tick: 1000 ms first, then what its ticks set
  platform::Timer& Timer2;  // show-and-place sequencer
  platform::Timer& Timer3;  // blink
  platform::Timer& Timer4;  // count-up and overtime tick
  platform::Timer& Timer5;  // run start, one shot
  platform::Timer& Timer7;  // hover button watch
  platform::Timer& Timer8;  // overtime colours, one shot

 protected:
  void Form_Load() override;

 private:
  void Timer5_Timer();

  App& app_;
  // Blank half of a blink from 2000 ms of the running count on.
  ClockFace face_;
};

}  // namespace horalix
