// The notification-area icon of the main window and the clicks on it.
#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/program_folder.h"
#include "services/program_values.h"

namespace horalix {

using platform::TrayMouse;

// Every state of the icon (picture, tip) goes through the tray service, which keeps it: when
// Explorer restarts, the service adds the icon again as it was, so a presenter never loses it.
void MainWindow::addTrayIcon() {
  const std::string iconFile = pathInProgramFolder(needs_.platform, "picture\\icon.ico");
  if (needs_.platform.files.normalFileExists(iconFile)) Pic1.setPicture(iconFile);
  needs_.platform.tray.onMouse = [this](TrayMouse event) { onTrayMouse(event); };
  needs_.platform.tray.add(*this, Caption());
  if (!Pic1.Picture().empty()) needs_.platform.tray.setIcon(Pic1.Picture());
  needs_.platform.tray.setTip(Caption());
}

void MainWindow::removeTrayIcon() {
  needs_.platform.tray.remove();
  needs_.platform.tray.onMouse = nullptr;
  needs_.platform.loop.doEvents();
}

// The mouse message arrives decoded by the tray service; only the button-up and double-click
// messages mean a click.
void MainWindow::onTrayMouse(TrayMouse event) {
  switch (event) {
    case TrayMouse::LeftUp:
      mcTray_MouseClick(1, false);
      break;
    case TrayMouse::LeftDouble:
      mcTray_MouseClick(1, true);
      break;
    case TrayMouse::RightUp:
      mcTray_MouseClick(2, false);
      break;
    case TrayMouse::RightDouble:
      mcTray_MouseClick(2, true);
      break;
    default:
      break;
  }
}

void MainWindow::mcTray_MouseClick(int Button, bool DBClick) {
  if (Button != 2) return;
  // The clocks keep off the top while the menu is open, so they do not cover it.
  needs_.run.holdOff = 200;
  if (!DBClick) popUpMenu(*this, std::nullopt);
}

void MainWindow::deleteClockOpen() {
  attempt(needs_.platform.log, "clockopen",
          [&] { programValues(needs_.platform).remove("clockopen"); });
}

}  // namespace horalix
