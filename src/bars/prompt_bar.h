// A text prompt bar: the primary one (Frm_process) and the extended screen's (Frm_process_two).
//
// One class serves both bars. What sets the extended screen's bar apart is gathered in its
// BarRole: the screen it lives on (horizontal positions from the primary screen's width on), how
// far above the screen it parks, the INI and registry names of its stored position, the size
// offset added to its font, and whether it drives a partner bar. The primary bar passes its
// start, its text ticks with their caption, its keep-on-top run and its hide on to the extended
// screen's bar while the second screen is in use; that bar passes nothing back.
#pragma once

#include <cstdint>
#include <string>

#include "bars/bar_position.h"
#include "platform/forms.h"
#include "services/run_state_record.h"

namespace horalix {

struct BarsNeeds;

// The differences between the two bars, as data.
struct BarRole {
  bool extended = false;                // lives on the extended screen, right of the primary one
  int hideGap = 2000;                   // tuichu parks the bar this far above the top edge
  const char* leftKey = "processleft";  // stored position: [clocksite] keys and registry values
  const char* topKey = "processtop";
  bool readsSizeOffset = false;  // adds [Hotkey] processadd to the font size
  bool drivesPartner = true;     // passes its work on to the extended screen's bar

  static BarRole primary();
  static BarRole extendedScreen();
};

// The look settings of [Hotkey], as last read.
struct BarLook {
  std::string fontName;
  std::int16_t sizeIndex = 0;
  std::int16_t colourIndex = 0;
  std::int32_t customColour = 0;
  std::int16_t transparent = 0;
  std::string backColourText;
  std::int16_t sizeOffset = 0;
};

class PromptBar : public platform::Form {
 public:
  // The role follows the window's name: "Frm_process_two" is the extended screen's bar.
  PromptBar(BarsNeeds& needs, const std::string& name);

  platform::Control& Label1;  // the bar's text, sized to its caption, at (240, 120)

  platform::Timer& Timer1;  // kept off: starts and hides switch it off, nothing switches it on
  platform::Timer& Timer2;  // text update from the run state, once a second
  platform::Timer& Timer3;  // start and placement, one shot; enabling it asks for the bar
  platform::Timer& Timer4;  // keep-on-top run

  const BarRole& role() const { return role_; }
  const BarLook& look() const { return look_; }
  // Further Timer2 ticks the bar stays on screen.
  std::int16_t displayCounter() const { return displayCounter_; }

  // Moves the bar above the top edge of its screen, centred horizontally, `gap` twips higher
  // than its own height.
  void park(int gap);
  // Asks for the bar: 100 ms later it takes the clock's reminder stage and shows that stage's
  // text at its stored place, or hides for a stage without a bar.
  void requestStart();
  // Lets the once-a-second text update run (again).
  void resumeTextUpdate();
  // Lets the keep-on-top run go on.
  void resumeKeepOnTop();
  // The text update is running: the bar is on screen for a reminder.
  bool textUpdating() const;
  // The bar's text, and a new one shown in Label1 without resizing the bar.
  const std::string& text() const { return text_; }
  void setText(const std::string& text);
  // Stops the start and the text update and parks the bar `gap` twips above its screen; a
  // keep-on-top run goes on.
  void parkKeepingOnTop(int gap);
  // Stops all four timers, then puts the bar centred on its screen, `gap` twips above the top
  // edge (left first, then top).
  void stopAndPark(int gap);
  // Hides the bar: the extended screen's bar first while the second screen is in use, then all
  // four timers off and the bar parked.
  void tuichu();
  // Makes the background see-through around text of the colour `nowcolor`.
  void changcolor(std::uint32_t nowcolor);
  // Fits the window to its text: a margin of 240 twips left and right, 120 above and below.
  void Form_Resize();

  // Mouse input on the window or on Label1 (the label's pair works in the label's coordinates):
  // Button 1 is the left button; X and Y are twips.
  void Form_MouseDown(int Button, int Shift, float X, float Y);
  void Form_MouseMove(int Button, int Shift, float X, float Y);
  void Label1_MouseDown(int Button, int Shift, float X, float Y) {
    Form_MouseDown(Button, Shift, X, Y);
  }
  void Label1_MouseMove(int Button, int Shift, float X, float Y) {
    Form_MouseMove(Button, Shift, X, Y);
  }

 protected:
  void Form_Load() override;

 private:
  // The primary screen's width and height in twips, read at the moment of use.
  int screenWidthTwips() const;
  int screenHeightTwips() const;
  // Left of the bar centred over its screen.
  int centredLeft() const;
  // Reads the [Hotkey] look settings and applies them to Label1 and the window.
  void loadLook();
  // The bar's ticks.
  void startTick();
  void textTick();
  void keepOnTopTick();
  // The window's back colour, behind the text too.
  void setBarBackColor(std::uint32_t colour);
  // Places the bar at its stored position for this showing.
  void placeAtStoredPosition();
  void placeOnExtendedScreen(BarPosition at);
  // Parks the bar from its own text tick and hides it.
  void parkFromTick();
  // The extended screen's bar, while the second screen is in use and this bar drives it.
  PromptBar* partner();

  BarsNeeds& needs_;
  BarRole role_;
  BarLook look_;
  AlarmStage barStage_ = AlarmStage::None;
  std::int16_t displayCounter_ = 0;
  std::int16_t keepOnTopCount_ = 0;
  double barTime_ = 0;  // the time to show, as a time of day
  std::string timeText_;
  std::string text_;  // what Label1 shows
  float grabX_ = 0, grabY_ = 0;
};

}  // namespace horalix
