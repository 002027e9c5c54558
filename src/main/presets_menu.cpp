// The presets submenu of the tray menu: one item per named preset of OfficeData.db, in list
// order. Choosing one copies the preset into the settings record, stores the record and starts
// a run with it; at the end of a cycling run the next preset in the list starts.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "clock/clock.h"
#include "main/frm_exit.h"
#include "presets/presets.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

using presets::fieldText;

presets::PresetDatabase officeData(Context& app) {
  return presets::PresetDatabase(app.platform.database, app.platform.files,
                                 app.platform.messageBoxes, app.programFolder(), GetDbPassword());
}

// The preset's values that a menu choice leaves alone: the timing mode and the picture size are
// not the preset's to set, and the time left starts at 0.
bool keptFromRecord(std::string_view field) {
  return field == "AImode" || field == "picture_width" || field == "picture_height" ||
         field == "time_left";
}

const SettingsField& settingsField(std::string_view name) {
  for (const SettingsField& field : kSettingsFields) {
    if (field.name == name) return field;
  }
  throw std::out_of_range("no settings field " + std::string(name));
}

// Copies a preset row into the record, each column into the record's field that the column
// table names. The stored texts go through the runtime's conversions, so a field that is no
// number fails the whole copy and the record is left as it was.
void copyPresetRow(const std::vector<platform::DbValue>& row, SettingsBlock& record) {
  SettingsBlock copy = record;
  for (std::size_t column = 0; column < presets::kPresetColumns.size(); ++column) {
    const std::string_view field = presets::kPresetColumns[column].field;
    if (field.empty() || keptFromRecord(field)) continue;
    const std::string text = fieldText(row.at(column));
    std::visit(
        [&](auto member) {
          using Value = std::remove_reference_t<decltype(copy.*member)>;
          if constexpr (std::is_same_v<Value, double>) {
            copy.*member = DurationSeconds(text) / 86400.0;
          } else if constexpr (std::is_same_v<Value, std::int32_t>) {
            copy.*member = CLng(std::string_view(text));
          } else if constexpr (std::is_same_v<Value, std::int16_t>) {
            copy.*member = CInt(std::string_view(text));
          } else {
            copy.*member = text;
          }
        },
        settingsField(field).member);
  }
  copy.secondtimer = "";
  copy.time_left = 0;
  record = copy;
}

}  // namespace

// The preset hot keys are registered elsewhere later, around this rebuild.
void FrmExit::change_clock_menu() {
  Attempt(app_, "ClearOftenMenu", [&] { ClearOftenMenu(); });
  Attempt(app_, "LoadOftenMenu", [&] { LoadOftenMenu(); });
}

void FrmExit::ClearOftenMenu() {
  platform::MenuItem& presets = menu_two(3);
  while (presets.children().size() > 1) presets.removeChild(*presets.children().back());
}

// The item stays hidden when the file is missing or the list cannot be read; no message. The
// first item then shows the placeholder "^", which the other menus read as "no preset", also
// when it showed a preset before the rebuild.
void FrmExit::LoadOftenMenu() {
  platform::MenuItem& presets = menu_two(3);
  presets.setEnabled(false);
  presets.setVisible(false);
  menu_often(0).setCaption("^");
  const auto names = officeData(app_).menuPresetNames();
  if (!names || names->empty()) return;
  presets.setEnabled(true);
  presets.setVisible(true);
  for (std::size_t i = 0; i < names->size(); ++i) {
    const int index = static_cast<int>(i);
    platform::MenuItem& item = index == 0 ? menu_often(0) : presets.add("menu_often", index, "");
    item.setCaption((*names)[i]);
    item.setVisible(true);
    item.Click = [this, index] { menu_often_Click(index); };
  }
}

int FrmExit::oftenCount() { return static_cast<int>(menu_two(3).children().size()); }

void FrmExit::oftenclockstart(std::int16_t Index) {
  if (!menu_two(3).Enabled() || Index < 0 || Index >= oftenCount()) return;
  menu_often_Click(Index);
}

void FrmExit::menu_often_Click(int Index) {
  for (int i = 0; i < oftenCount(); ++i) menu_often(i).setChecked(i == Index);

  presets::PresetDatabase database = officeData(app_);
  const presets::DbRows rows = database.menuPreset(menu_often(Index).Caption());
  if (!rows.ok()) {
    if (app_.platform.log) app_.platform.log("presets menu: " + database.lastError());
    return;  // the layer has told the user
  }
  if (!rows.empty()) {
    try {
      copyPresetRow(rows.table.rows.front(), app_.settings);
    } catch (const std::exception& e) {
      if (app_.platform.log)
        app_.platform.log(std::string("presets menu, preset row: ") + e.what());
      presets::showNotice(app_.platform.messageBoxes, presets::DbNotice::ListsUnavailable);
      return;
    }
  }

  Attempt(app_, "presets menu, AImode", [&] { ReadAImode(app_); });
  Attempt(app_, "presets menu, save", [&] { SaveSettings(app_, app_.settings); });
  Attempt(app_, "presets menu, run start", [&] {
    TimeGlass& clock = app_.timeGlass();
    clock.Label15.setCaption("1");
    clock.Timer1.setEnabled(false);
    clock.Timer4.setEnabled(false);
    clock.Timer5.setEnabled(true);
  });
}

// Presets are taken in list order, wrapping from the last to the first; with none checked the
// first one starts.
void FrmExit::nextmenu_often() {
  const int count = oftenCount();
  int checked = -1;
  for (int i = count - 1; i >= 0; --i) {
    if (menu_often(i).Checked()) {
      checked = i;
      break;
    }
  }
  if (checked + 1 == count) checked = -1;
  menu_often_Click(checked + 1);
}

}  // namespace horalix
