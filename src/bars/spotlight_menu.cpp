#include "bars/spotlight_menu.h"

#include "bars/follow_spotlight.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_veil.h"
#include "services/ports.h"

namespace horalix {

namespace {

constexpr int kFollow = 0;
constexpr int kArea = 1;

void toggleFollow(const Spotlights& needs) {
  if (needs.run.spotlightOn[kFollow]) {
    needs.run.openToolWindow = OpenWindow::None;
    needs.spotlightMenu.setChecked(Spotlight::Follow, false);
    needs.followSpotlight.Unload();
    return;
  }
  needs.runControl.closeToolWindow();
  needs.run.openToolWindow = OpenWindow::FollowSpotlight;
  needs.spotlightMenu.setChecked(Spotlight::Follow, true);
  needs.followSpotlight.Show();
}

void openArea(const Spotlights& needs) {
  needs.spotlightMenu.setChecked(Spotlight::Area, true);
  needs.run.openToolWindow = OpenWindow::SpotlightArea;
  needs.spotlightDarkLayer.Show();
}

// The veil goes with the dark layer: left alone it would cover the screen, almost invisible,
// and take every mouse click.
void closeArea(const Spotlights& needs) {
  needs.spotlightMenu.setChecked(Spotlight::Area, false);
  needs.run.openToolWindow = OpenWindow::None;
  needs.spotlightVeil.Unload();
  needs.spotlightDarkLayer.Unload();
}

}  // namespace

void MouseLight_Click(const Spotlights& needs, int Index) {
  if (Index == kFollow) {
    toggleFollow(needs);
  } else if (Index == kArea) {
    needs.runControl.closeToolWindow();
    if (needs.run.spotlightOn[kArea]) {
      closeArea(needs);
    } else {
      openArea(needs);
    }
  }
}

void spotlightHotKey(const Spotlights& needs, int Index) {
  if (Index == kFollow) {
    toggleFollow(needs);
  } else if (Index == kArea) {
    if (needs.run.spotlightOn[kArea]) {
      closeArea(needs);
    } else {
      needs.runControl.closeToolWindow();
      openArea(needs);
    }
  }
}

}  // namespace horalix
