// The interaction countdown window: a borderless, see-through window that shows nothing but the
// remaining time of an interaction preset (or "时间到") in large type, kept on top, centred on
// the primary or the extended screen, and parked far off screen while no countdown is shown.
//
// Its run state is held in typed members: the preset's duration, reminder, display selection,
// sound and option flags as read at its start, the text shown, and the milliseconds of the
// count (banked, elapsed and remaining at the last tick). The one hidden control left,
// textMeasure, only measures the shown text at its font, as the window is sized to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/forms.h"

namespace horalix {

struct InteractionNeeds;
enum class InteractionFlag : int;

class InteractionWindow : public platform::Form {
 public:
  explicit InteractionWindow(InteractionNeeds& needs);

  // Moves the window far off screen, where it waits while no interaction countdown runs.
  void park();

  // ---- Countdown (interaction_countdown.cpp) ----

  // Elapsed milliseconds of the countdown: banked time plus the running segment, by the clock
  // method of the main window. Only "Timer1" is measured; any other name gives 0. A method that
  // fails moves the stored choice one method on.
  std::int32_t remaintime(const std::string& Timername);
  // Popup commands: pause or continue ("暂停计时" / "开始计时"), and close.
  void pauseOrContinue();
  void closeCountdown();
  // Records the countdown as paused or running and shows it on the popup's pause item.
  void setPaused(bool paused);
  // The count tick is running.
  bool counting() const;
  // A countdown shows: a preset's duration is set (running, paused or at its time-up).
  bool showsCountdown() const;
  // Starts preset `n` with `duration` ("M:SS") from zero: any countdown and its sound stop,
  // the preset's reminder, display, sound and options are read from TimeData.db, and the start
  // tick runs 100 ms later.
  void startPreset(const std::string& duration, std::int16_t n);
  // Stops the preset's sound.
  void stopSound();
  // Parks the window far above and left of the screens and stops the count, the blink and the
  // sound; a start or time-up already due still comes.
  void stopAndPark();

  // ---- Display (interaction_display.cpp) ----

  // Sizes Picture4 and the window to the measured text plus 200 twips each way and prints the text
  // centred at the font size. A drawing that fails stops every timer of the window.
  void ShowStatue(const std::string& text, int size);
  // Keys out a colour near the text colour, so that only the text shows.
  void changcolor(std::uint32_t colour);
  // Centres the window on the primary screen, or on the extended screen when the main window's
  // "扩展屏显示" is shown and checked; Top centred on the primary screen.
  void placeCentred();
  // Centres the window horizontally on the primary or the extended screen; Top stays.
  void centreHorizontally(bool extendedScreen);

  // ---- Mouse on the time (interaction_mouse.cpp); Button 1 left, 2 right ----
  void Picture4_MouseDown(int Button);
  void Picture4_DblClick();
  void Picture4_MouseMove(int Button);

  // ---- Run state ----
  // The preset's duration "MM:SS" as chosen; empty while no countdown is set up or after a close.
  std::string presetDuration;
  // The display selection: font\size\colour index\colour. One whose size is unusable is replaced
  // by the start's default when the countdown starts.
  std::string displaySelection;
  // The preset's sound file, in the program's "sounds" folder.
  std::string soundFile;
  // The text shown: the remaining time "M:SS" or "时间到".
  std::string shownText;
  // Milliseconds banked before the running segment, and elapsed in all at the last tick; a
  // pause or continue banks the elapsed time. Kept as the clock's elapsed-time service takes them.
  double bankedMillis = 0;
  double elapsedMillis = 0;
  // Hidden and sized to its caption: sizes the shown text at the display font.
  platform::Control& textMeasure;
  // The time is printed on it; its background is the key colour.
  platform::Control& Picture4;

  // ---- Timers ----
  platform::Timer& Timer1;  // count tick
  platform::Timer& Timer2;  // blink
  platform::Timer& Timer3;  // start, one shot
  platform::Timer& Timer4;  // time-up, one shot
  platform::Timer& Timer5;  // no handler; stopped with the rest when drawing fails
  platform::Timer& Timer6;

  // Length of the countdown in milliseconds, and the mark of the running segment's start in
  // the unit of the clock method in force when it was taken.
  std::int32_t HudongMillis = 0;
  std::int32_t HudongStartTick = 0;

 protected:
  void Form_Load() override;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void showremaintime();
  // Shows `text` as the countdown's text and gives it to textMeasure to be measured.
  void setShownText(const std::string& text);
  // Start steps.
  void applyDisplaySelection(const std::vector<std::string>& fields);
  void takeStartMark();
  bool flagOn(InteractionFlag flag) const;
  // The font size of the display selection (field 2).
  int displaySize() const;
  std::string soundPath() const;
  int screenWidthTwips() const;
  int screenHeightTwips() const;

  InteractionNeeds& needs_;
  // The preset's reminder: the second of the time left at which it sounds and from which the
  // time blinks.
  double reminderSeconds_ = 0;
  // The preset's five option flags, "1" or "0" each.
  std::string optionFlags_;
  // Milliseconds left, with the half second of rounding, at the last tick that left any.
  std::int32_t remainingMillis_ = 0;
  // The time of day "hh:mm:ss" at which the running segment began, for the method that counts
  // whole seconds of it.
  std::string segmentStartTime_;
  // True while the blink has blanked the time.
  bool blinkBlank_ = false;
  // The reminder blink has ticked in this countdown: a continued countdown blinks again.
  bool blinked_ = false;
  // "时间到" shows: the countdown reached zero and cannot be continued.
  bool timeUp_ = false;
};

}  // namespace horalix
