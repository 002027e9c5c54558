#include "main/main_window.h"

#include <stdexcept>

#include "main/main_needs.h"
#include "services/extended_screen.h"
#include "services/registry_routines.h"

namespace horalix {

using platform::Control;
using platform::ControlKind;

namespace {

// The window's design: the hidden picture that holds the tray icon.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::PictureBox, .name = "Pic1", .flags = platform::design::kHidden},
};

}  // namespace

MainWindow::MainWindow(MainNeeds& needs)
    : Form(needs.platform.forms, "Frm_exit"),
      Pic1((addControls(kDesign), control("Pic1"))),
      Timer3(addTimer("Timer3", 1000)),
      Timer4(addTimer("Timer4", 1000)),
      Timer5(addTimer("Timer5", 300)),
      menu(menuRoot().add("menu", -1, "Horalix")),
      ppt_hudong(menuRoot().add("ppt_hudong", -1, "互动")),
      needs_(needs) {
  // Placed off every screen by its design; no code moves it.
  move(-11670, -7500, 2235, 1395);
  setCaption("Horalix");
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  buildMenus();
}

platform::MenuItem& MainWindow::menuItem(const std::string& name, int index) {
  if (platform::MenuItem* item = findMenu(name, index)) return *item;
  throw std::out_of_range("no menu item Frm_exit." + name + "(" + std::to_string(index) + ")");
}

std::string MainWindow::titleWithEdition() { return "Horalix (5.2)"; }

// Every step goes on after a failing one: the main window must come up whatever is missing.
void MainWindow::Form_Load() {
  auto attempt = [this](const char* step, auto&& action) {
    try {
      action();
    } catch (const std::exception& e) {
      if (needs_.platform.log)
        needs_.platform.log(std::string("Frm_exit load, ") + step + ": " + e.what());
    }
  };
  attempt("caption", [&] { setCaption(titleWithEdition()); });
  attempt("screen size", [&] { captureScreenSize(needs_.platform, needs_.run); });
  attempt("registry key", [&] {
    CreateNewKey(needs_.platform.registry, platform::RegRoot::CurrentUser, "Vantrel");
  });
  attempt("interaction menu", [&] { LoadHudongMenu(); });
  attempt("presets menu", [&] { change_clock_menu(); });
  attempt("tray icon", [&] { addTrayIcon(); });
  firstPassMade_ = false;
  attempt("start balloon",
          [&] { needs_.platform.tray.balloon("Horalix", "  鼠标右键单击，显示右键菜单  ", 2000); });
  attempt("document watch", [&] { Timer4.setEnabled(true); });
}

// Runs at the exit command and when Windows shuts down or the user logs off; never cancels.
void MainWindow::Form_Unload(bool& cancel) {
  cancel = false;
  try {
    hotkey_del();
  } catch (const std::exception& e) {
    if (needs_.platform.log)
      needs_.platform.log(std::string("Frm_exit unload, hot keys: ") + e.what());
  }
  try {
    removeTrayIcon();
  } catch (const std::exception& e) {
    if (needs_.platform.log)
      needs_.platform.log(std::string("Frm_exit unload, tray icon: ") + e.what());
  }
  deleteClockOpen();
}

}  // namespace horalix
