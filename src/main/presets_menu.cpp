// The presets submenu of the tray menu: one item per named preset of OfficeData.db, in list
// order. Choosing one copies the preset into the settings record, stores the record and starts
// a run with it; at the end of a cycling run the next preset in the list starts.
#include <cstdint>
#include <optional>
#include <vector>

#include "clock/clock.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "store/store.h"

namespace horalix {

// The hot keys are released while the submenu still has its old length, so that the keys of
// presets that are gone are released too, and taken again for the new list.
void MainWindow::change_clock_menu() {
  attempt(needs_.platform.log, "hotkey_del", [&] { hotkey_del(); });
  attempt(needs_.platform.log, "ClearOftenMenu", [&] { ClearOftenMenu(); });
  attempt(needs_.platform.log, "LoadOftenMenu", [&] { LoadOftenMenu(); });
  attempt(needs_.platform.log, "Hotkey_set", [&] { Hotkey_set(); });
}

// The first item stays, with its tick; the others go, and a preset chosen among them is no
// longer the current one.
void MainWindow::ClearOftenMenu() {
  platform::MenuItem& presets = menu_two(3);
  while (presets.children().size() > 1) presets.removeChild(*presets.children().back());
  presetNames_.resize(1);
  if (needs_.run.currentPreset > 0) needs_.run.currentPreset = -1;
}

// The item stays hidden when the file is missing or the list cannot be read; no message. The
// first item then shows the placeholder "^" and no preset is listed, also when one was before
// the rebuild. A preset that is itself named "^" counts as none.
void MainWindow::LoadOftenMenu() {
  platform::MenuItem& presets = menu_two(3);
  needs_.run.offers.presets = {false, false};
  paintMenus();
  menu_often(0).setCaption("^");
  presetNames_ = {"^"};
  presetsListed = false;
  const auto names = officeDataOf(needs_.platform).menuPresetNames();
  if (!names || names->empty()) return;
  needs_.run.offers.presets = {true, true};
  presetsListed = names->front() != "^";
  presetNames_ = *names;
  for (std::size_t i = 0; i < names->size(); ++i) {
    const int index = static_cast<int>(i);
    platform::MenuItem& item = index == 0 ? menu_often(0) : presets.add("menu_often", index, "");
    item.setCaption((*names)[i]);
    item.setVisible(true);
    item.Click = [this, index] { menu_often_Click(index); };
  }
  paintMenus();
}

int MainWindow::oftenCount() { return static_cast<int>(presetNames_.size()); }

void MainWindow::oftenclockstart(std::int16_t Index) {
  if (!needs_.run.offers.presets.enabled || Index < 0 || Index >= oftenCount()) return;
  menu_often_Click(Index);
}

void MainWindow::menu_often_Click(int Index) {
  needs_.run.currentPreset = Index;
  paintMenus();

  PresetDatabase database = officeDataOf(needs_.platform);
  const DbRows rows = database.menuPreset(presetNames_.at(static_cast<std::size_t>(Index)));
  if (!rows.ok()) {
    if (needs_.platform.log) needs_.platform.log("presets menu: " + database.lastError());
    return;  // the layer has told the user
  }
  if (!rows.empty()) {
    if (!copyPresetRow(rows.table.rows.front(), needs_.settings, PresetCopy::Menu)) {
      if (needs_.platform.log)
        needs_.platform.log("presets menu: a field of the preset is unreadable");
      showNotice(needs_.platform.messageBoxes, DbNotice::ListsUnavailable);
      return;
    }
  }

  attempt(needs_.platform.log, "presets menu, AImode",
          [&] { ReadAImode(needs_.platform, needs_.settings); });
  attempt(needs_.platform.log, "presets menu, save",
          [&] { SaveSettings(needs_.platform, needs_.settings); });
  attempt(needs_.platform.log, "presets menu, run start", [&] {
    FloatingClock& clock = needs_.floatingClock;
    clock.restoreAtNextStart = true;
    clock.haltCount();
    clock.armRunStart();
  });
}

// Presets are taken in list order, wrapping from the last to the first; with none checked the
// first one starts.
void MainWindow::nextmenu_often() {
  int current = needs_.run.currentPreset;
  if (current + 1 >= oftenCount()) current = -1;
  menu_often_Click(current + 1);
}

}  // namespace horalix
