#include "main/frm_exit.h"

#include <stdexcept>

#include "services/context.h"
#include "services/registry_routines.h"

namespace horalix {

using platform::Control;
using platform::ControlKind;

namespace {

Control& textBox(platform::Form& form, const std::string& name, const std::string& text) {
  Control& box = form.addControl(name, -1, ControlKind::TextBox);
  box.setVisible(false);
  box.setText(text);
  return box;
}

}  // namespace

// The cells start with the values of the window's design, before any code runs.
FrmExit::FrmExit(Context& app)
    : Form(app.platform.forms, "Frm_exit"),
      Lab_time_state(addCell("Lab_time_state", -1, "")),
      Label1(addCell("Label1", -1, "0")),
      Label3(addCell("Label3", -1, "")),
      Label7(addCell("Label7", -1, "0")),
      Label10(addCell("Label10", -1, "")),
      Label16(addCell("Label16", -1, "")),
      Label17(addCell("Label17", -1, "0")),
      Text1(textBox(*this, "Text1", "0")),
      Pic1(addControl("Pic1", -1, ControlKind::PictureBox)),
      Timer3(addTimer("Timer3", 1000)),
      Timer4(addTimer("Timer4", 1000)),
      Timer5(addTimer("Timer5", 300)),
      Label12(addCell("Label12", -1, "12")),
      menu(menuRoot().add("menu", -1, "Horalix")),
      ppt_hudong(menuRoot().add("ppt_hudong", -1, "互动")),
      app_(app) {
  // Placed off every screen by its design; no code moves it.
  move(-11670, -7500, 2235, 1395);
  setCaption("Horalix");
  for (int i = 0; i <= 4; ++i) addCell("Label4", i, i < 4 ? "0" : "");
  for (int i = 0; i <= 4; ++i) addCell("Label5", i, "0");
  addCell("Label13", 0, "0");
  for (int i = 1; i <= 6; ++i) addCell("Label13", i, "");
  Pic1.setVisible(false);
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  buildMenus();
}

platform::MenuItem& FrmExit::menuItem(const std::string& name, int index) {
  if (platform::MenuItem* item = findMenu(name, index)) return *item;
  throw std::out_of_range("no menu item Frm_exit." + name + "(" + std::to_string(index) + ")");
}

std::string FrmExit::titleWithEdition() { return "Horalix (5.2)"; }

// Every step goes on after a failing one: the main window must come up whatever is missing.
void FrmExit::Form_Load() {
  auto attempt = [this](const char* step, auto&& action) {
    try {
      action();
    } catch (const std::exception& e) {
      if (app_.platform.log)
        app_.platform.log(std::string("Frm_exit load, ") + step + ": " + e.what());
    }
  };
  attempt("caption", [&] { setCaption(titleWithEdition()); });
  attempt("screen size", [&] {
    const auto area = app_.platform.desktop.fullScreenArea();
    app_.run.ScreenWidthPx = area.width();
    app_.run.ScreenHeightPx = area.height();
  });
  attempt("registry key",
          [&] { CreateNewKey(app_.platform.registry, platform::RegRoot::CurrentUser, "Vantrel"); });
  attempt("interaction menu", [&] { LoadHudongMenu(); });
  attempt("presets menu", [&] { change_clock_menu(); });
  attempt("tray icon", [&] { addTrayIcon(); });
  attempt("watch flag", [&] { Label17.setCaption("0"); });
  attempt("start balloon",
          [&] { app_.platform.tray.balloon("Horalix", "  鼠标右键单击，显示右键菜单  ", 2000); });
  attempt("document watch", [&] { Timer4.setEnabled(true); });
}

// Runs at the exit command and when Windows shuts down or the user logs off; never cancels.
void FrmExit::Form_Unload(bool& cancel) {
  cancel = false;
  try {
    removeTrayIcon();
  } catch (const std::exception& e) {
    if (app_.platform.log)
      app_.platform.log(std::string("Frm_exit unload, tray icon: ") + e.what());
  }
  deleteClockOpen();
}

}  // namespace horalix
