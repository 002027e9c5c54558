// The floating clock window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "clock/clock_window.h"

namespace horalix {

struct ClockNeeds;

class FloatingClock : public ClockWindow {
 public:
  explicit FloatingClock(ClockNeeds& needs);

  // Shows the count (or the time of day in its view) in the chosen format, on this clock and,
  // with the extended screen in use, on the mirror.
  void Label_change() override;

  // ---- Controls of the floating clock alone ----

  // The hover play/stop button and its idle (0) and running (1) pictures.
  platform::Control& Image1;
  platform::Control& Image2(int index) { return control("Image2", index); }

  // ---- Values of the current run, taken by the run start ----

  // The time left that the count-down last took, from the run start's full time on: the shown
  // time never rises more than 400 ms above it.
  std::int32_t shownGuardMillis = 0;

  // The next run start puts the clocks back where the show/hide choice wants them.
  bool restoreAtNextStart = false;
  // The count-down tick has done its once-a-run action (the English keyboard); a run start
  // re-arms it.
  bool keyboardSwitched = false;

  // The run's sound files, by position: start, the three stages, zero, the cycle.
  std::vector<std::string> SoundNames;
  // Added to the font size of the mirror clock.
  std::int16_t MirrorSizeAdd = 0;

  platform::Timer& Timer7;  // hover button watch
  // The back picture let go: the face shows no picture behind the text.
  void dropBackPicture() { Picture3.setPicture(""); }

  // ---- Mouse input (Button 1 left, 2 right, 4 middle; X and Y in twips of the control) ----

  // A press on the face: a left click switches between the count and the time of day (unless
  // clicks are set to keep the view), any other button opens the tray menu.
  void Picture1_MouseDown(int Button, int Shift, float X, float Y) override;
  // A move over the face wakes the hover button; with the left button held it drags the clock,
  // stores where it was dropped and keeps it on the primary screen.
  void Picture1_MouseMove(int Button, int Shift, float X, float Y) override;
  // The hover button: a click starts a run when none is going and stops the running one; a
  // right press opens the tray menu at the pointer; a move keeps the button awake.
  void Image1_Click();
  void Image1_MouseDown(int Button, int Shift, float X, float Y);
  void Image1_MouseMove(int Button, int Shift, float X, float Y);

 protected:
  void Form_Load() override;
  void Form_LostFocus() override;
  void Form_Unload(bool& cancel) override;

  void beforeCountTick() override;
  void publishCountDown(std::int32_t e, std::int32_t& r) override;
  void countDownShown() override;
  void stageSound(int k, bool stageOn) override;
  void endCountDown() override;
  void afterCountDownTick() override;
  void publishCountUp(std::int32_t elapsed) override;
  void endOvertime() override;
  void countUpLostRun() override;
  PromptBar& promptBar() override;
  void redraw() override;
  void placeAtSavedPosition() override;
  void handOverToBlink() override;

 private:
  void Timer3_Timer();
  void Timer5_Timer();
  void Timer7_Timer();
  // The face redrawn with the shown text at the chosen size, and the mirror with it when asked.
  void redrawFaces(bool mirrorToo);
  // Moves the window after a drag by the pointer's offset from the press, kept on the screen.
  void dropAt(float X, float Y);
  // Whether the cursor lies strictly inside the control's rectangle on the screen.
  bool IsCursorInWindow(const platform::Control& control);

  // Where the last left press on the face was, in twips of the face (0 before the first).
  float DownX = 0, DownY = 0;
};

}  // namespace horalix
