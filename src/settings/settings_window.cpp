#include "settings/settings_window.h"

#include "clock/clock.h"
#include "main/main.h"
#include "services/program_folder.h"
#include "settings/settings_design.h"
#include "settings/settings_lists.h"
#include "settings/settings_needs.h"

namespace horalix {

SettingsWindow::SettingsWindow(SettingsNeeds& needs)
    : Form(needs.platform.forms, "Settings"),
      Timer1(addControls(settingsDesign()).addTimer("Timer1", 200, true)),
      needs_(needs),
      fields_(binding()),
      Image2(binding(), "Image2"),
      Image3(binding(), "Image3"),
      Label1(binding(), "Label1"),
      Label12(binding(), "Label12"),
      Shape1(binding(), "Shape1"),
      Shape2(binding(), "Shape2"),
      Shape3(binding(), "Shape3"),
      Shape4(binding(), "Shape4"),
      VScrol1(binding(), "VScrol1"),
      Text6(binding(), "Text6"),
      Command3(binding(), "Command3"),
      Picture10(control("Picture10")),
      pageContainers_{&control("Frame1"),    &control("Picture7"), &control("Picture8"),
                      &control("Picture13"), &control("Picture6"), &Picture10},
      Picture11(control("Picture11")),
      Picture12(control("Picture12")),
      Combo9(control("Combo9")),
      Command5(control("Command5")),
      Lab_help(control("Lab_help")),
      Image1(control("Image1")),
      Label30(control("Label30")),
      Label5(control("Label5")) {
  setCaption("设置");
  setBorderStyle(3);
  setBackColor(0xFFFFFF);
  setClientSize(5400, 8700);
  move(kDesignLeft, kDesignTop, Width(), Height());
  Timer1.onTick = [this] { needs_.run.holdOff = 30; };
  wireHandlers();
  wirePageHandlers();
}

void SettingsWindow::fillLists() {
  fillSettingsLists(fields_, needs_.platform.files, needs_.platform.fonts,
                    programFolder(needs_.platform));
}

void SettingsWindow::notice(const std::string& text, int timeoutMs) {
  needs_.platform.messageBoxes.showTimed(text, "Horalix", platform::mb::Ok, timeoutMs);
}

// Each control array's events go to the handler of its name with the control's index.
void SettingsWindow::wireHandlers() {
  for (const auto& owned : controls()) {
    platform::Control& control = *owned;
    const std::string& name = control.name();
    const int i = control.index();
    if (name == "Text2") {
      control.KeyPress = [this, i](int& key) { Text2_KeyPress(i, key); };
      control.Change = [this, i] { Text2_Change(i); };
    } else if (name == "VScrol1") {
      control.Change = [this, i] { VScrol1_Change(i); };
    } else if (name == "Text4") {
      control.KeyPress = [this, i](int& key) { Text4_KeyPress(i, key); };
      control.LostFocus = [this, i] { Text4_LostFocus(i); };
    } else if (name == "Check2") {
      control.Click = [this, i] { Check2_Click(i); };
    } else if (name == "Option4") {
      control.Click = [this, i] { Option4_Click(i); };
    } else if (name == "Check5") {
      control.Click = [this, i] { Check5_Click(i); };
    } else if (name == "Option6") {
      control.Click = [this, i] { Option6_Click(i); };
    } else if (name == "Check6") {
      control.Click = [this, i] { Check6_Click(i); };
    } else if (name == "Text3") {
      control.KeyDown = [this, i](int& key, int shift) { Text3_KeyDown(i, key, shift); };
      control.KeyUp = [this, i](int& key, int shift) { Text3_KeyUp(i, key, shift); };
      control.Change = [this, i] { Text3_Change(i); };
    } else if (name == "Command1") {
      control.Click = [this] { Command1_Click(); };
    } else if (name == "Command2") {
      control.Click = [this] { Command2_Click(); };
    } else if (name == "Check1") {
      control.Click = [this, i] { Check1_Click(i); };
    } else if (name == "Check8") {
      control.Click = [this, i] { Check8_Click(i); };
    } else if (name == "Combo3") {
      control.Click = [this] { Combo3_Click(); };
    } else if (name == "Combo7") {
      control.Click = [this] { Combo7_Click(); };
    } else if (name == "Text6") {
      control.Click = [this, i] { Text6_Click(i); };
    } else if (name == "Check10") {
      control.Click = [this] { Check10_Click(); };
    } else if (name == "HScroll1") {
      control.Change = [this] { HScroll1_Change(); };
    } else if (name == "VScroll1") {
      control.Change = [this] { VScroll1_Change(); };
    } else if (name == "HScroll2") {
      control.Change = [this] {
        Label5.setCaption(std::to_string(fields_.HScroll2.Value()) + "％不透明");
      };
    }
  }
  Image1.Click = [this] { Image1_Click(); };
  Label30.Click = [this] { Label30_Click(); };
}

void SettingsWindow::Form_Unload(bool& cancel) {
  (void)cancel;
  needs_.run.holdOff = 0;
  // The clocks go back on top at once: the hold-off has just ended.
  raiseClocks(needs_.clocks);
}

}  // namespace horalix
