// The follow-mode spotlight: a bare window over the whole primary screen, dark at the opacity
// of [light] backlight, with a see-through spot that follows the mouse pointer. Whoever opens
// or closes it keeps the main window's record of the open tool window and the menu check mark
// (spotlight_menu.h).
#pragma once

#include "platform/forms.h"

namespace horalix {

struct BarsNeeds;

class FollowSpotlight : public platform::Form {
 public:
  explicit FollowSpotlight(BarsNeeds& needs);

  // The spot: the bitmap LightPic\<clocklight>.bmp at its own size, or the built-in disc.
  platform::Control& Picture1;
  platform::Timer& Timer1;  // keep on top, every 500 ms
  platform::Timer& Timer2;  // follow the pointer, every 10 ms

  // Holds the spotlight below other windows for the next 20 of its keep-on-top ticks, so that a
  // menu opened over it stays visible.
  void stayBelowMenu();
  // How many keep-on-top ticks the spotlight still stays below other windows.
  int ticksBelowMenu() const { return ticksBelowMenu_; }

  // The pointer moving over the dark area (twips of the window) centres the spot on it.
  void Form_MouseMove(int Button, int Shift, float X, float Y);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // The spotlight's own hold-off counter, in keep-on-top ticks: while it is not 0 the spotlight
  // does not put itself on top, so a menu opened over it stays visible.
  int ticksBelowMenu_ = 0;
  void Timer1_Timer();
  void Timer2_Timer();
  // The spot the window is designed with: a white disc with a soft grey rim on the dark
  // background, used when the configured bitmap is missing.
  void showBuiltInSpot();
  void centreSpotOn(float x, float y);

  BarsNeeds& needs_;
  int alpha_ = 178;
};

}  // namespace horalix
