#include "bars/spotlight_menu.h"

#include "bars/frm_light.h"
#include "bars/frm_move_background.h"
#include "bars/frm_move_before.h"
#include "main/main.h"
#include "services/context.h"

namespace horalix {

namespace {

constexpr int kFollow = 0;
constexpr int kArea = 1;

void toggleFollow(Context& app) {
  FrmExit& main = app.frmExit();
  if (main.MouseLight(kFollow).Checked()) {
    main.Label10.setCaption("");
    main.MouseLight(kFollow).setChecked(false);
    app.frmLight().Unload();
    return;
  }
  main.delform();
  main.Label10.setCaption("Frm_light");
  main.MouseLight(kFollow).setChecked(true);
  app.frmLight().Show();
}

void openArea(Context& app) {
  FrmExit& main = app.frmExit();
  main.MouseLight(kArea).setChecked(true);
  main.Label10.setCaption("Frm_move_background");
  app.frmMoveBackground().Show();
}

// The veil goes with the dark layer: left alone it would cover the screen, almost invisible,
// and take every mouse click.
void closeArea(Context& app) {
  FrmExit& main = app.frmExit();
  main.MouseLight(kArea).setChecked(false);
  main.Label10.setCaption("");
  app.frmMoveBefore().Unload();
  app.frmMoveBackground().Unload();
}

}  // namespace

void MouseLight_Click(Context& app, int Index) {
  if (Index == kFollow) {
    toggleFollow(app);
  } else if (Index == kArea) {
    app.frmExit().delform();
    if (app.frmExit().MouseLight(kArea).Checked()) {
      closeArea(app);
    } else {
      openArea(app);
    }
  }
}

void SpotlightHotKey(Context& app, int Index) {
  if (Index == kFollow) {
    toggleFollow(app);
  } else if (Index == kArea) {
    if (app.frmExit().MouseLight(kArea).Checked()) {
      closeArea(app);
    } else {
      app.frmExit().delform();
      openArea(app);
    }
  }
}

}  // namespace horalix
