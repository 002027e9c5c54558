#include "bars/spotlight_menu.h"

#include "bars/follow_spotlight.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_veil.h"
#include "services/context.h"
#include "services/ports.h"

namespace horalix {

namespace {

constexpr int kFollow = 0;
constexpr int kArea = 1;

void toggleFollow(Context& context) {
  if (context.ports().spotlightMenu().checked(Spotlight::Follow)) {
    context.run.openToolWindow = OpenWindow::None;
    context.ports().spotlightMenu().setChecked(Spotlight::Follow, false);
    context.followSpotlight().Unload();
    return;
  }
  context.ports().runControl().closeToolWindow();
  context.run.openToolWindow = OpenWindow::FollowSpotlight;
  context.ports().spotlightMenu().setChecked(Spotlight::Follow, true);
  context.followSpotlight().Show();
}

void openArea(Context& context) {
  context.ports().spotlightMenu().setChecked(Spotlight::Area, true);
  context.run.openToolWindow = OpenWindow::SpotlightArea;
  context.spotlightDarkLayer().Show();
}

// The veil goes with the dark layer: left alone it would cover the screen, almost invisible,
// and take every mouse click.
void closeArea(Context& context) {
  context.ports().spotlightMenu().setChecked(Spotlight::Area, false);
  context.run.openToolWindow = OpenWindow::None;
  context.spotlightVeil().Unload();
  context.spotlightDarkLayer().Unload();
}

}  // namespace

void MouseLight_Click(Context& context, int Index) {
  if (Index == kFollow) {
    toggleFollow(context);
  } else if (Index == kArea) {
    context.ports().runControl().closeToolWindow();
    if (context.ports().spotlightMenu().checked(Spotlight::Area)) {
      closeArea(context);
    } else {
      openArea(context);
    }
  }
}

void spotlightHotKey(Context& context, int Index) {
  if (Index == kFollow) {
    toggleFollow(context);
  } else if (Index == kArea) {
    if (context.ports().spotlightMenu().checked(Spotlight::Area)) {
      closeArea(context);
    } else {
      context.ports().runControl().closeToolWindow();
      openArea(context);
    }
  }
}

}  // namespace horalix
