// The tray menu's commands that switch the spotlights and work the interaction countdown: each
// hands the routine of its subsystem exactly what that routine works with.
#include "bars/bars.h"
#include "interaction/interaction.h"
#include "main/main_needs.h"
#include "main/main_window.h"

namespace horalix {

void MainWindow::spotlightCommand(int index) { MouseLight_Click(needs_.spotlights, index); }

void MainWindow::spotlightHotKeyCommand(int index) { spotlightHotKey(needs_.spotlights, index); }

void MainWindow::interactionSettingsCommand() {
  hd_time_set_Click(needs_.interactionWindow, needs_.run, needs_.runControl, needs_.toolWindows);
}

void MainWindow::interactionScreenCommand() {
  hd_time_show_Click(needs_.platform, needs_.run, needs_.interactionMenu, needs_.interactionWindow);
}

void MainWindow::interactionPresetCommand(std::int16_t index) {
  hd_time_one_Click(needs_.platform, needs_.interactionMenu, needs_.interactionWindow, index);
}

void MainWindow::interactionPopupCommand(std::int16_t index) {
  Frmhudong_Click(needs_.interactionWindow, index);
}

}  // namespace horalix
