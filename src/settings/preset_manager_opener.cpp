// The way from the settings window to the preset manager, which opens to its right.
#include "services/extended_screen.h"
#include "services/ports.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {
// The preset manager's width with the gap between the two windows, in twips.
constexpr int kManagerWidth = 6900;
// Where the settings window goes when the screen is too narrow for both side by side.
constexpr int kNarrowScreenLeft = 150;
}  // namespace

// The pair of windows is centred a little left of the screen's middle.
void SettingsWindow::Image1_Click() {
  const int left =
      (screenWidthTwips(needs_.platform, needs_.run) - Width() - kManagerWidth) / 2 - 1000;
  move(left > 0 ? left : kNarrowScreenLeft, Top(), Width(), Height());
  needs_.toolWindows.open(ToolWindow::PresetManager);
}

}  // namespace horalix
