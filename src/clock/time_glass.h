// The floating clock window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "clock/clock_face.h"
#include "platform/forms.h"

namespace horalix {

class Context;

// The colour of the clock text: a palette entry by the index in characters 4-5 of Fontselect,
// or the custom colour after its first 8 characters when the index is 17 or more.
std::uint32_t FaceColour(const std::string& fontselect);

class TimeGlass : public platform::Form {
 public:
  explicit TimeGlass(Context& app);

  // Moves the clock far off screen, above and to the left of the primary screen.
  void park();

  // Shows the count held in Label1(1) (or the time of day in its view) in the chosen format,
  // on this clock and, with the extended screen in use, on the mirror.
  void Label_change();
  // Milliseconds the running count has lasted, with what was banked before the last pause:
  // "Timer1" for the count-down, "Timer4" for the count-up; any other name gives 0. A clock
  // method that fails moves the stored choice one method on.
  std::int32_t remaintime(const std::string& Timername);
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
  // The back picture at its natural size; never shown.
  platform::Control& Picture3;
  // The count text (1) and the time of day (2): the one in view stands at Top 0.
  platform::Control& Label1(int index) { return control("Label1", index); }
  // The hover play/stop button and its idle (0) and running (1) pictures.
  platform::Control& Image1;
  platform::Control& Image2(int index) { return control("Image2", index); }

  // ---- Values of the current run, taken by the run start ----

  std::int32_t AlarmOneSeconds = 0;
  std::int32_t AlarmTwoSeconds = 0;
  // The run's sound files, by position: start, the three stages, zero, the cycle.
  std::vector<std::string> SoundNames;
  // Added to the font size of the mirror clock.
  std::int16_t MirrorSizeAdd = 0;

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
  void Form_LostFocus() override;
  void Form_Unload(bool& cancel) override;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void Timer5_Timer();
  // Run start steps.
  void setUpFonts(int wantedSize, std::uint32_t faceColour);
  void setUpBackground(std::uint32_t faceColour);
  void layOutFirstText(bool countDown);
  // Count-down tick steps.
  int dueStage(std::int32_t u);
  void runStage(int k);
  void endCountDown();
  // The sequencer's placement and the reminder's hand-over to the blink.
  void placeAtSavedPosition();
  void handOverToBlink();
  // The font size of the clock text chosen in the settings.
  int wantedSize();

  Context& app_;
  // Reminder stages (bit k) that fired in this run: a stage whose second got no tick fires once
  // at the next tick, and never twice.
  unsigned firedStages_ = 0;
  // Blank half of a blink from 2000 ms of the running count on.
  ClockFace face_;
};

}  // namespace horalix
