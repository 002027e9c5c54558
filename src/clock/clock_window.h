// What the floating clock and its mirror on the extended screen have in common: the face and
// its controls, the run values it shows (the count, the view, the face text), the count timers and
// the show-and-place sequencer, the measurement of the running count, the run start's styling and
// layout, and the skeletons of the count ticks.
//
// One class serves both clocks. What sets the mirror apart is gathered in its ClockRole (its
// window name, its sequencer's pace, from which time left its blink leaves the face blank) and
// in the hooks that each window fills: the floating clock publishes the run state, plays the
// sounds, records the run and shows the time-up prompt; the mirror only shows what the floating
// clock shows, on the extended screen, and drives the extended screen's prompt bar.
#pragma once

#include <cstdint>
#include <string>

#include "clock/clock_face.h"
#include "platform/forms.h"
#include "services/run_state_record.h"

namespace horalix {

struct ClockNeeds;
class PromptBar;

// The colour of the clock text: a palette entry by the index in characters 4-5 of Fontselect,
// or the custom colour after its first 8 characters when the index is 17 or more.
std::uint32_t faceColour(const std::string& fontselect);

// The differences between the two clocks, as data.
struct ClockRole {
  const char* name = "time_glass";
  // Interval of the show-and-place sequencer Timer2.
  int sequencerInterval = 100;
  // From this many milliseconds of the running count on, the odd half of a blink is blank.
  int blankFromMillis = 2000;

  static ClockRole floating();
  static ClockRole extendedScreen();
};

class ClockWindow : public platform::Form {
 public:
  // pictureOwner: the clock whose back picture the face shows (the mirror shows the floating
  // clock's); nullptr for the window itself.
  ClockWindow(ClockNeeds& needs, const ClockRole& role, const ClockWindow* pictureOwner = nullptr);

  const ClockRole& role() const { return role_; }

  // Moves the clock off screen by its own size: Left = -Width - 5000, Top = -Height - 5000.
  void park();

  // Shows the count (or the time of day in its view) in the chosen format.
  virtual void Label_change() = 0;

  // Mouse input on the face (Picture1) or the text box (Picture2), wired by this class for both
  // clocks: Button 1 is the left button; X and Y are twips. A press on the text box acts as one
  // on the face; a move over it first holds off the keep-on-top routine of every window, then
  // acts as one over the face.
  virtual void Picture1_MouseDown(int Button, int Shift, float X, float Y) = 0;
  void Picture2_MouseDown(int Button, int Shift, float X, float Y) {
    Picture1_MouseDown(Button, Shift, X, Y);
  }
  virtual void Picture1_MouseMove(int Button, int Shift, float X, float Y) = 0;
  void Picture2_MouseMove(int Button, int Shift, float X, float Y);
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

  // ---- The show-and-place sequencer and the reminder's blink ----

  // The step the sequencer (Timer2) takes at its next tick; Idle takes none.
  enum class SequencerStep {
    Idle = 0,
    Place = 1,
    Shown = 2,
    Settle = 3,
    Park = 4,
    Parked = 5,
    Reminder = 6
  };
  SequencerStep sequencerStep = SequencerStep::Place;
  // The clocks are meant to show (false while parked): after a reminder they are not parked.
  bool faceShown = false;
  // A reminder waits: the sequencer goes on from Shown to the reminder's hand-over.
  bool reminderPending = false;
  // The reminder's stage flashes the text.
  bool stageFlashes = false;

  // ---- Controls ----

  // Width template of the text; its width is the clock's width while no back picture shows.
  platform::Control& Label9;
  // Measures the text the clock shows, in the face's font (it sizes itself to the text).
  platform::Control& Label11;
  // The two drawing surfaces inside the window.
  platform::Control& Picture1;
  platform::Control& Picture2;
  // The back picture at its natural size; never shown.
  platform::Control& Picture3;
  // The hidden labels of the count (1) and of the time of day (2): they take the clock's font
  // and colour, and the count's tells whether the clock font took.
  platform::Control& Label1(int index) { return control("Label1", index); }
  // The controls the face draws with.
  ClockFaceControls faceControls() { return {Picture1, Picture2, Picture3, Label9, Label11}; }

  // What the face shows: the count, or the time of day.
  enum class FaceView { Count, TimeOfDay };

  // ---- Values of the current run, taken by the run start ----

  // The reminder stage reached; the prompt bars take it when they start.
  AlarmStage alarmStage = AlarmStage::None;
  std::int32_t AlarmOneSeconds = 0;
  std::int32_t AlarmTwoSeconds = 0;

  // ---- Timers ----

  platform::Timer& Timer1;  // count-down tick: 1000 ms first, then what its ticks set
  platform::Timer& Timer2;  // show-and-place sequencer
  platform::Timer& Timer3;  // blink (the mirror's: a placeholder that switches itself off)
  platform::Timer& Timer4;  // count-up and overtime tick
  platform::Timer& Timer5;  // run start, one shot
  platform::Timer& Timer8;  // overtime colours, one shot

  // ---- Steps that both clocks share ----

  // The count timer goes on downwards while more than a second remains before zero, and
  // upwards from the zero reminder on; the sequencer stops and the blink timer starts.
  void handOverToCount();
  // The font size of the clock text chosen in the settings (before any mirror enlargement).
  int wantedSize();
  // The run start's first steps: every timer off, no stage, on top, no blink, the face shown.
  void beginRunStart();
  // The run start's drawing at `size`: `countText` while the count is in view, else the time
  // of day that the run start took.
  void drawFirstFace(const std::string& countText, int size);
  // The run start's display format: optvalue characters 3, 4 and 5, the last "1" wins; a
  // missing or unreadable character counts as "1".
  int startFormat();
  // The run start's direction: optvalue character 1 is "1" (or unreadable) for a count-down.
  bool startCountsDown();
  // The run start's first texts: the count (the set time counting down, zero counting up) and
  // the face text showing it, the time of day, the zero template in Label9.
  void setFirstTexts(int format, bool countDown, int hours, int minutes, int seconds);
  // The run start's styling: fonts at `size` with their fallbacks, the labels hidden, the
  // background or colour key, the face laid out around the first text.
  void styleFace(int size, bool countDown);
  // The run start's shared values: the screen size, the after-zero action and the start of the
  // first counting segment.
  void takeRunValues();
  // Takes the start of a counting segment: StartTick by the clock method and the time of day.
  void takeSegmentStart();
  // The zero reminder through the sequencer: shown, flashing when so set, then the blink.
  void armZeroReminder(bool flash);
  // Sets the overtime style chosen for after zero. With `redrawPrefixed`, a prefixed style also
  // marks the count as upward, redraws and shows the clocks when they are meant to be shown.
  void applyOvertimeStyle(bool redrawPrefixed);
  // On losing the focus: the text box fitted to the shown text, then the window to the text box
  // or, while a back picture shows, to the larger of the text box and the picture, which is
  // painted stretched over the face.
  void fitTextBox();
  void refitWindow();
  // The count at a stop: zero left, or the whole set length when the clock shows the time
  // spent; then the text update.
  void showFinalCount();
  // Switches the count, sequencer and blink timers off.
  void stopCountTimers();
  // The count in the chosen format, with the overtime prefix while counting up, or the time of
  // day in its view. A count outside one day has no text: it raises TypeMismatch.
  std::string shownText();

  // ---- What the run's routines and the other windows ask of a clock ----
  // The run start (Timer5) runs at the next turn of the loop.
  void armRunStart() { Timer5.setEnabled(true); }
  // Both count timers off; the sequencer and the blink go on.
  void haltCount() {
    Timer1.setEnabled(false);
    Timer4.setEnabled(false);
  }
  // The count timer of the direction (Timer1 down, Timer4 up) on or off.
  void switchCount(bool countDown, bool on) { (countDown ? Timer1 : Timer4).setEnabled(on); }
  // The count-up back at one tick a second.
  void countUpEverySecond() { Timer4.setInterval(1000); }
  // The count-down gives way to the count-up at zero.
  void turnToCountUp() {
    Timer1.setEnabled(false);
    Timer4.setEnabled(true);
  }
  // A count timer is running.
  bool counting() const { return Timer1.Enabled() || Timer4.Enabled(); }
  // The sequencer is at work.
  bool sequencing() const { return Timer2.Enabled(); }
  // The sequencer starts.
  void startSequencer() { Timer2.setEnabled(true); }
  // The blink stops.
  void stopBlink() { Timer3.setEnabled(false); }
  // The time of day ("hh:mm:ss") at which the running segment began.
  void setSegmentStart(const std::string& timeOfDay) { segmentStart_ = timeOfDay; }
  // The count the clock holds, in milliseconds: the time left counting down, the time spent
  // counting up.
  std::int32_t countMillis() const { return countMillis_; }
  void setCountMillis(std::int32_t millis) { countMillis_ = millis; }
  // The text the face holds, as last set (not recomputed from the count); Label11 takes it to
  // measure it.
  const std::string& faceText() const { return faceText_; }
  void setFaceText(const std::string& text);
  // The size of the face text's font, in points.
  void setFaceTextSize(int size);
  // The face redrawn with the text it holds at the font size `size`.
  void redrawFaceText(int size) { ShowStatue(faceText_, size); }
  // The width of the face's width template.
  int templateWidth() const { return Label9.Width(); }
  // Both drawing surfaces shown.
  void showSurfaces() {
    Picture1.setVisible(true);
    Picture2.setVisible(true);
  }
  // The text box shown (after a blink's blank half).
  void showTextBox() { Picture2.setVisible(true); }
  // The colour of the text.
  void setTextColour(std::uint32_t colour) { Picture2.setForeColor(colour); }
  // The back colour of the window and its text box.
  void setBackColour(std::uint32_t colour) {
    setBackColor(colour);
    Picture2.setBackColor(colour);
  }
  // The overtime colours (the tick of Timer8, which goes off): the text in the time-out colour,
  // the back picture again or the time-out back colour, or with the transparent background a key
  // matched to the text. `mirror`, when given, takes the text and back colours along.
  void showOvertimeColours(ClockWindow* mirror);
  // What the face shows, and whether that is the time of day instead of the count.
  FaceView view() const { return view_; }
  bool timeOfDayInView() const { return view_ == FaceView::TimeOfDay; }
  void bringIntoView(FaceView view) { view_ = view; }

 protected:
  // ---- Hooks that each clock fills ----

  // At the start of either count tick.
  virtual void beforeCountTick() {}
  // The count-down tick has measured e ms elapsed and r ms left; r may be lowered.
  virtual void publishCountDown(std::int32_t e, std::int32_t& r) {
    (void)e;
    (void)r;
  }
  // The count-down tick has taken the count.
  virtual void countDownShown() {}
  // After the stage's flash and prompt bar, whether the stage is on (checkvalue 1 and k + 1).
  virtual void stageSound(int k, bool stageOn) {
    (void)k;
    (void)stageOn;
  }
  // Less than a second left, or the run has gone.
  virtual void endCountDown() = 0;
  // At the end of the count-down tick.
  virtual void afterCountDownTick() {}
  // The count-up tick has measured `elapsed` ms.
  virtual void publishCountUp(std::int32_t elapsed) { (void)elapsed; }
  // The overtime has lasted its set span.
  virtual void endOvertime() = 0;
  // The count-up tick finds no run bound.
  virtual void countUpLostRun() = 0;
  // The prompt bar that this clock's reminder stages show.
  virtual PromptBar& promptBar() = 0;
  // The sequencer's redraw of the face.
  virtual void redraw() = 0;
  // State 1 of the sequencer: the window at its saved place.
  virtual void placeAtSavedPosition() = 0;
  // State 6 of the sequencer: the count goes on after the stage alert.
  virtual void handOverToBlink();

  // Where a statement of this clock's handler `handler` failed, for the log.
  std::string where(const char* handler) const { return std::string(role_.name) + "." + handler; }

  ClockNeeds& needs_;
  ClockFace face_;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer4_Timer();
  void setUpFonts(int wantedSize, std::uint32_t faceColour);
  void setUpBackground(std::uint32_t faceColour);
  void layOutFirstText(bool countDown);
  int dueStage(std::int32_t u);
  void runStage(int k);
  bool overtimeOver(std::int32_t elapsed);

  ClockRole role_;
  // The count in milliseconds (see countMillis).
  std::int32_t countMillis_ = 0;
  // What the face shows.
  FaceView view_ = FaceView::Count;
  // The text the face holds (see faceText).
  std::string faceText_;
  // The time of day that the run start took, in its display format.
  std::string timeOfDay_;
  // The time of day ("hh:mm:ss") at which the running segment began; read by the time-of-day
  // clock method.
  std::string segmentStart_;
  // Reminder stages (bit k) that fired in this run: a stage whose second got no tick fires once
  // at the next tick, and never twice.
  unsigned firedStages_ = 0;

 protected:
  void resetStages() { firedStages_ = 0; }
};

}  // namespace horalix
