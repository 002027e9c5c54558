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

void toggleFollow(Context& app) {
  MainWindow& main = app.mainWindow();
  if (main.MouseLight(kFollow).Checked()) {
    main.Label10.setCaption("");
    main.MouseLight(kFollow).setChecked(false);
    app.followSpotlight().Unload();
    return;
  }
  main.delform();
  main.Label10.setCaption("Frm_light");
  main.MouseLight(kFollow).setChecked(true);
  app.followSpotlight().Show();
}

void openArea(Context& app) {
  MainWindow& main = app.mainWindow();
  main.MouseLight(kArea).setChecked(true);
  main.Label10.setCaption("Frm_move_background");
  app.spotlightDarkLayer().Show();
}

// The veil goes with the dark layer: left alone it would cover the screen, almost invisible,
// and take every mouse click.
void closeArea(Context& app) {
  MainWindow& main = app.mainWindow();
  main.MouseLight(kArea).setChecked(false);
  main.Label10.setCaption("");
  app.spotlightVeil().Unload();
  app.spotlightDarkLayer().Unload();
}

}  // namespace

void MouseLight_Click(Context& app, int Index) {
  if (Index == kFollow) {
    toggleFollow(app);
  } else if (Index == kArea) {
    app.mainWindow().delform();
    if (app.mainWindow().MouseLight(kArea).Checked()) {
      closeArea(app);
    } else {
      openArea(app);
    }
  }
}

void spotlightHotKey(Context& app, int Index) {
  if (Index == kFollow) {
    toggleFollow(app);
  } else if (Index == kArea) {
    if (app.mainWindow().MouseLight(kArea).Checked()) {
      closeArea(app);
    } else {
      app.mainWindow().delform();
      openArea(app);
    }
  }
}

}  // namespace horalix
