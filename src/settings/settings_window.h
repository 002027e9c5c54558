// The settings window. While it is open it keeps the clocks from jumping in front of it; closing
// it hands the keep-on-top duty back to the clock windows. Its controls stand for the settings
// record and the stored options (settings_codec.h); the handlers below keep the number fields in
// range, switch rows of controls together and capture hot keys, all before anything is stored.
#pragma once

#include <string>

#include "platform/forms.h"

namespace horalix {

class Context;

class SettingsWindow : public platform::Form {
 public:
  explicit SettingsWindow(Context& app);

  // Every 200 ms while the window is open: holds the main window's keep-on-top hold-off at "30".
  platform::Timer& Timer1;

  // A control by its design name and index.
  platform::Control& c(const std::string& name, int index = -1) { return control(name, index); }

  // ---- Number fields, spins, rows and exclusive options of the time page ----
  void Text2_KeyPress(int index, int& keyAscii);
  void Text2_Change(int index);
  void VScrol1_Change(int index);
  void Text4_KeyPress(int index, int& keyAscii);
  void Text4_LostFocus(int index);
  // The row rules (indices 1 to 5); the loading of the window runs them after filling it.
  void Check2_Click(int index);
  bool RowEnabled(int index);
  void Option4_Click(int index);
  void Check5_Click(int index);
  void Option6_Click(int index);
  void Check6_Click(int index);

  // ---- Hot-key capture in Text3(1..6) ----
  void Text3_KeyDown(int index, int keyCode, int shift);
  void Text3_KeyUp(int index, int keyCode, int shift);
  void Text3_Change(int index);

  // ---- Pages and help (settings_pages.cpp) ----
  // Selects tab 1 "限时", 2 "提醒" or 3 "系统" and lays out its page; the label on a tab acts as
  // the tab itself.
  void Image2_Click(int index);
  void Lab_Tab_Click(int index) { Image2_Click(index); }
  // The mouse over tab `index`, or over the window's background for an index of no tab.
  void Image2_MouseMove(int index);
  void Lab_Tab_MouseMove(int index) { Image2_MouseMove(index); }
  void Lab_help_Click(bool ctrlHeld);

  // ---- The clock's background (background_picture.cpp) ----
  void Command3_Click(int index);
  void Text1_Click(int index);

  // ---- Clock method and repair (clock_method.cpp) ----
  void FillClockMethods();
  void Combo9_Click();
  void Command5_Click();

 protected:
  void Form_Unload(bool& cancel) override;

 private:
  void wireHandlers();
  void fillLists();
  void notice(const std::string& text, int timeoutMs);
  void wirePageHandlers();
  void showStoredMode();

  Context& app_;
  // Whether Ctrl was held when the pointer went down on "帮助".
  bool ctrlAtHelpPress_ = false;
};

}  // namespace horalix
