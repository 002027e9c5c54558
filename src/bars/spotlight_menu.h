// Switching the two spotlights on and off: the tray menu's items "跟随模式" and "动态亮度"
// (MouseLight(0) and MouseLight(1)) and the hot keys `focus` and `light`. Each spotlight counts
// as the one open tool window: the run state records it as open while it is, and the
// item's check mark shows it.
#pragma once

#include "services/ports.h"
#include "services/run_state_record.h"

namespace horalix {

class FollowSpotlight;
class SpotlightDarkLayer;
class SpotlightVeil;

// The two spotlights' windows and what switching them works with. The program's composition
// (app/) fills it in once; the main window's commands hold it.
struct Spotlights {
  RunState& run;
  RunControl& runControl;
  SpotlightMenu& spotlightMenu;
  FollowSpotlight& followSpotlight;
  SpotlightDarkLayer& spotlightDarkLayer;
  SpotlightVeil& spotlightVeil;
};

// The menu item MouseLight(Index). Index 0 switches the follow-mode spotlight on or off. Index 1
// first closes whatever tool window is open, so choosing it while the dynamic-brightness
// spotlight is open starts a new area selection.
void MouseLight_Click(const Spotlights& needs, int Index);

// The hot keys: `focus` (Index 0) does what the menu item does; `light` (Index 1) ends the
// dynamic-brightness spotlight when it is open, and otherwise opens it.
void spotlightHotKey(const Spotlights& needs, int Index);

}  // namespace horalix
