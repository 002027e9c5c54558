// The mirror clock on the extended screen.
#pragma once

#include <cstdint>
#include <string>

#include "clock/clock_face.h"
#include "platform/forms.h"

namespace horalix {

class Context;

class TimeGlassTwo : public platform::Form {
 public:
  explicit TimeGlassTwo(Context& app);

  void park();

  // Lays the mirror's face out around the text s at the font size FSize (points) and draws it.
  void ShowStatue(const std::string& s, int FSize);
  // Cuts the window to its rounded outline over its current size.
  void creatrange();
  // Keys out a colour close to the text colour nowcolor, so that only the text shows.
  void changcolor(std::uint32_t nowcolor);

  // ---- Cells, with the meanings of the same cells of the main clock ----

  platform::Control& Label2;  // sequencer state
  platform::Control& Label3;
  platform::Control& Label4;   // stage alert pending
  platform::Control& Label5;   // reminder stage
  platform::Control& Label8;   // flash flag
  platform::Control& Label11;  // the mirror's own text
  platform::Control& Label16;  // time of day at which the running segment began
  platform::Control& Picture1;
  platform::Control& Picture2;

  // ---- Timers ----

  platform::Timer& Timer1;  // count-down tick
  platform::Timer& Timer2;  // show sequencer
  platform::Timer& Timer3;  // blink placeholder
  platform::Timer& Timer4;  // count-up tick
  platform::Timer& Timer5;  // run start, one shot
  platform::Timer& Timer8;  // overtime colours, one shot

 protected:
  void Form_Load() override;

 private:
  Context& app_;
  // Blank half of a blink from 3000 ms of the running count on.
  ClockFace face_;
};

}  // namespace horalix
