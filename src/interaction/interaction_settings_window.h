// The interaction settings window: one row per interaction preset (in use, minutes, seconds,
// automatic start, reminder with its seconds and sound) and the display that all five share
// (font, size, colour, flash at the reminder). "应用" checks that the presets in use grow longer
// one after the other, stores all five in TimeData.db, reads each back and only then updates its
// item of the interaction menu; "关闭" closes without storing. Every opening reads the presets
// anew: the window keeps nothing between openings.
#pragma once

#include <cstdint>
#include <string>

#include "interaction/interaction_presets.h"
#include "platform/control_row.h"
#include "platform/forms.h"

namespace horalix {

struct InteractionNeeds;

// The text boxes of one preset's row: Text1 index 4k + field for preset k + 1.
enum class RowField : int {
  Minutes = 0,
  Seconds = 1,
  ReminderSeconds = 2,
  Sound = 3,
};

class InteractionSettingsWindow : public platform::Form {
 public:
  explicit InteractionSettingsWindow(InteractionNeeds& needs);

  static constexpr int kPresets = 5;
  // Check1(20): "提醒闪烁", shared by all presets.
  static constexpr int kFlashBox = 20;

  // ---- Controls, bound when the window is built ----
  // The check box of preset row k (0 to 4) that holds the flag; ReminderBlink is Check1(20).
  platform::Control& rowBox(int k, InteractionFlag flag);
  platform::Control& rowText(int k, RowField field) {
    return Text1[4 * k + static_cast<int>(field)];
  }
  platform::Control& Combo1;  // font
  platform::Control& Combo2;  // size
  platform::Control& Combo3;  // colour
  platform::Control& Cmd_OK;
  platform::Control& Cmd_exit;
  platform::Control& Lab_help;
  platform::ControlRow Check1, Text1, Command1, Shape1, Option1;
  // Every 200 ms while the window is open: holds the clocks' keep-on-top off.
  platform::Timer& Timer1;

  // The remembered colour: a palette index after a palette entry or a load, the colour value
  // after a colour of the user's.
  std::int64_t previousColour = 0;

  // ---- Handlers (interaction_settings_*.cpp) ----
  void Combo3_Click();
  void Command1_Click(int Index);
  void Check1_Click(int Index);
  void Option1_Click(int Index);
  void Text1_Change(int Index);
  void Cmd_OK_Click();
  void Cmd_exit_Click() { Unload(); }
  void Lab_help_Click(bool ctrlHeld);
  void Timer1_Timer();

  // The online article about this window, opened when Ctrl is held on "帮助".
  static const char* const kOnlineArticle;

 protected:
  void Form_Load() override;

 private:
  void fillLists();
  // Shows the shared display selection of the preset read last.
  void showDisplaySelection(const std::string& fontselect, const std::string& checkvalue);
  // Selects the list entry with this text; false when the list has none.
  static bool selectEntry(platform::Control& list, const std::string& text);
  // Sets the colour list's entry without opening the colour dialog.
  void setColourEntryQuietly(int entry);

  InteractionNeeds& needs_;
  // Whether Ctrl was held when the pointer went down on "帮助".
  bool ctrlAtHelpPress_ = false;
};

}  // namespace horalix
