#include "bars/spotlight_menu.h"

#include "bars/follow_spotlight.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_veil.h"
#include "main/main.h"
#include "services/context.h"

namespace horalix {

namespace {

constexpr int kFollow = 0;
constexpr int kArea = 1;

void toggleFollow(Context& context) {
  MainWindow& main = context.mainWindow();
  if (main.MouseLight(kFollow).Checked()) {
    context.run.openToolWindow = ToolWindow::None;
    main.MouseLight(kFollow).setChecked(false);
    context.followSpotlight().Unload();
    return;
  }
  main.delform();
  context.run.openToolWindow = ToolWindow::FollowSpotlight;
  main.MouseLight(kFollow).setChecked(true);
  context.followSpotlight().Show();
}

void openArea(Context& context) {
  MainWindow& main = context.mainWindow();
  main.MouseLight(kArea).setChecked(true);
  context.run.openToolWindow = ToolWindow::SpotlightArea;
  context.spotlightDarkLayer().Show();
}

// The veil goes with the dark layer: left alone it would cover the screen, almost invisible,
// and take every mouse click.
void closeArea(Context& context) {
  MainWindow& main = context.mainWindow();
  main.MouseLight(kArea).setChecked(false);
  context.run.openToolWindow = ToolWindow::None;
  context.spotlightVeil().Unload();
  context.spotlightDarkLayer().Unload();
}

}  // namespace

void MouseLight_Click(Context& context, int Index) {
  if (Index == kFollow) {
    toggleFollow(context);
  } else if (Index == kArea) {
    context.mainWindow().delform();
    if (context.mainWindow().MouseLight(kArea).Checked()) {
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
    if (context.mainWindow().MouseLight(kArea).Checked()) {
      closeArea(context);
    } else {
      context.mainWindow().delform();
      openArea(context);
    }
  }
}

}  // namespace horalix
