// The settings window. While it is open it keeps the clocks from jumping in front of it; closing
// it hands the keep-on-top duty back to the clock windows. Its controls stand for the settings
// record and the stored options (settings_codec.h); the handlers below keep the number fields in
// range, switch rows of controls together and capture hot keys, all before anything is stored.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/forms.h"
#include "settings/settings_fields.h"

namespace horalix {

struct SettingsNeeds;

class SettingsWindow : public platform::Form {
 public:
  explicit SettingsWindow(SettingsNeeds& needs);

  // Every 200 ms while the window is open: holds the main window's keep-on-top hold-off at "30".
  platform::Timer& Timer1;

  // The controls that stand for stored values, bound when the window was built: what the codec,
  // the checks before storing and a preset read and set.
  const SettingsFields& fields() const { return fields_; }
  // The pictures of the page tabs: 1 at rest, 2 under the mouse, 3 selected; "" for another.
  std::string tabPicture(int which);

  // ---- Number fields, spins, rows and exclusive options of the time page ----
  void Text2_KeyPress(int index, int& keyAscii);
  void Text2_Change(int index);
  void VScrol1_Change(int index);
  void Text4_KeyPress(int index, int& keyAscii);
  void Text4_LostFocus(int index);
  // The row rules (indices 1 to 5); the loading of the window runs them after filling it.
  void Check2_Click(int index);
  bool RowEnabled(int index);
  // The option buttons act only for the option chosen; clearing one runs no rule.
  void Option4_Click(int index);
  void Check5_Click(int index);
  void Option6_Click(int index);
  void Check6_Click(int index);

  // ---- Loading and applying ----

  // Sets every control from the settings record, TimeData.db and the registry; each value set
  // runs that control's handler, as a user's choice would.
  void FillSettingsForm();
  // "应用": checks what the window holds, stores it and sets the clocks up for a fresh run (or,
  // in prompt-text mode, stores and previews only the prompt bars' look).
  void Command1_Click();
  // "关闭": unloads the window, which lets the clocks come to the top again.
  void Command2_Click() { Unload(); }

  // While code fills the controls (the window's load, a preset loaded into it): handlers that
  // would ask the user something stay quiet.
  bool fillingFromCode() const { return fillingFromCode_ > 0; }
  class FillFromCode {
   public:
    explicit FillFromCode(SettingsWindow& window) : window_(window) { ++window_.fillingFromCode_; }
    ~FillFromCode() { --window_.fillingFromCode_; }
    FillFromCode(const FillFromCode&) = delete;
    FillFromCode& operator=(const FillFromCode&) = delete;

   private:
    SettingsWindow& window_;
  };

  // ---- Hot-key capture in Text3(1..6) ----
  void Text3_KeyDown(int index, int keyCode, int shift);
  void Text3_KeyUp(int index, int keyCode, int shift);
  void Text3_Change(int index);

  // ---- Options that act at once: stored or put into force the moment they change ----
  // Index 5 transparent background, 6 the second screen, 7 cycling of presets, 8 one hot key
  // for start and stop.
  void Check1_Click(int index);
  void Combo7_Click();
  void Text6_Click(int index);
  void Check10_Click();

  // ---- The second screen: the scroll bars move its clock, or its prompt bar ----
  void HScroll1_Change();
  void VScroll1_Change();

  // ---- The look controls serve the clock or, in prompt-text mode, the prompt bars ----
  void Check8_Click(int index);
  void Combo3_Click();
  // The colour last chosen: a position of the colour list, or a colour picked in the dialog.
  std::int32_t ColourChoice = 0;

  // ---- The preset manager: the picture and the label "特殊计时" beside it ----
  // Moves the window so that the preset manager fits beside it and opens that modally.
  void Image1_Click();
  void Label30_Click() { Image1_Click(); }

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
  void fillClockMethods();
  void Combo9_Click();
  void Command5_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  // Where the window stands as designed, in twips: each load starts there.
  static constexpr int kDesignLeft = 600, kDesignTop = 600;

  void wireHandlers();
  void fillLists();
  // Each edit box gets the frame shape that the design draws just outside it.
  void frameEditBoxes();
  void notice(const std::string& text, int timeoutMs);
  void wirePageHandlers();
  // The tab pictures of a window just loaded: Image3 holds the three, every tab is at rest but
  // the first, selected.
  void showFirstTab();
  void showStoredMode();
  bool optionChosen(const ControlRow& options, int index);

  // Second-screen placement.
  struct Place {
    std::int32_t left = 0, top = 0;
  };
  void secondScreenSwitch();
  Place storeSecondScreenSwitch();
  void setScrollBars(int leftMin, Place at);
  void placeForMode();
  void parkSecondScreen();
  // The look controls from the prompt bars' keys, or back from the settings record.
  void loadPromptLook();
  void reloadClockLook();
  void transparentBackground();
  // A key of TimeData.db [Hotkey]: read (the fallback when empty or missing) and written.
  std::string readHotkey(const std::string& key, const std::string& fallback);
  void writeHotkey(const std::string& key, const std::string& value);

  SettingsNeeds& needs_;
  const SettingsFields fields_;
  // The rest of the controls that the window's own handlers reach, bound once, as fields_ is.
  // Image2(1..6) the page tabs; Image3(1..3) their rest, hover and selected pictures.
  ControlRow Image2, Image3;
  // Label1 the units beside the number fields (the field's index), the block titles (8, 10) and
  // the labels of the custom background (17, 18).
  ControlRow Label1, Label12;
  // The frame shapes drawn around the edit boxes of Text1 to Text4; Shape1 also frames blocks.
  ControlRow Shape1, Shape2, Shape3, Shape4;
  ControlRow VScrol1, Text6, Command3;
  // The system page's lower container, shown on that page alone: the help link tells the pages
  // apart by it.
  platform::Control& Picture10;
  // The containers that every page shows or hides and places, in this order: Frame1, Picture7,
  // Picture8, Picture13, Picture6 and Picture10.
  const std::array<platform::Control*, 6> pageContainers_;
  // Picture11 the spotlight settings, which take the place of Picture12, the clock's look, on the
  // system page.
  platform::Control &Picture11, &Picture12;
  platform::Control &Combo9, &Command5, &Lab_help, &Image1, &Label30, &Label5;
  int fillingFromCode_ = 0;
  // Whether Ctrl was held when the pointer went down on "帮助".
  bool ctrlAtHelpPress_ = false;
};

using FillFromCode = SettingsWindow::FillFromCode;

}  // namespace horalix
