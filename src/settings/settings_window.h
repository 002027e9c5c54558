// The settings window. While it is open it keeps the clocks from jumping in front of it; closing
// it hands the keep-on-top duty back to the clock windows. Its controls stand for the settings
// record and the stored options (settings_codec.h); the handlers below keep the number fields in
// range, switch rows of controls together and capture hot keys, all before anything is stored.
#pragma once

#include <string>
#include <utility>

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

  // ---- The preset manager: the picture and the label "特殊计时" beside it ----
  // Moves the window so that the preset manager fits beside it and opens that modally.
  void Image1_Click();
  void Label30_Click() { Image1_Click(); }

  // True while code sets the controls (the window's fill, a preset being applied): a handler
  // that would ask the user something, such as the colour list's colour dialog, stays quiet.
  bool fillingFromCode() const { return fillingFromCode_; }

 protected:
  void Form_Unload(bool& cancel) override;

 private:
  void wireHandlers();
  void fillLists();
  void notice(const std::string& text, int timeoutMs);

  Context& app_;
  bool fillingFromCode_ = false;
  friend class FillFromCode;
};

// Marks the settings window as filled from code while it lives; the mark it found comes back
// when it ends, so guards nest.
class FillFromCode {
 public:
  explicit FillFromCode(SettingsWindow& window)
      : window_(window), was_(std::exchange(window.fillingFromCode_, true)) {}
  ~FillFromCode() { window_.fillingFromCode_ = was_; }
  FillFromCode(const FillFromCode&) = delete;
  FillFromCode& operator=(const FillFromCode&) = delete;

 private:
  SettingsWindow& window_;
  bool was_;
};

}  // namespace horalix
