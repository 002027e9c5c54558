// The preset manager's frame: the two tabs that switch the entry area between a new preset and
// a new document link, their hover pictures, the help link, the close button and the wiring of
// every control to its handler.
#include "main/main.h"
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/window_utilities.h"
#include "settings/settings.h"

namespace horalix {

namespace {

constexpr int kTabHeight = 375;  // a tab that is not selected

// The controls of each entry area; the backend draws every control on the window itself, so
// an area is shown or hidden control by control.
constexpr const char* kAreaFields[] = {"Label", "Text"};

}  // namespace

void PresetManager::wireHandlers() {
  List1.Click = [this] { List1_Click(); };
  List2.Click = [this] { List2_Click(); };
  List1.DblClick = [this] { Cmd_load_Click(); };
  control("Cmd_del").Click = [this] { Cmd_del_Click(); };
  control("Cmd_up").Click = [this] { Cmd_up_Click(); };
  control("Cmd_down").Click = [this] { Cmd_down_Click(); };
  control("Check1").Click = [this] { Check1_Click(); };
  control("Text4").Change = [this] { Text4_Change(); };
  // The help link asks whether Ctrl is held: the press that starts the click tells.
  control("Lab_help").MouseDown = [this](int, int shift, float, float) {
    ctrlOnHelp_ = (shift & 2) != 0;
  };
  control("Lab_help").Click = [this] {
    Lab_help_Click(ctrlOnHelp_);
    ctrlOnHelp_ = false;
  };
  control("Cmd_close").Click = [this] { Cmd_close_Click(); };
  control("Cmd_save").Click = [this] { Cmd_save_Click(); };
  control("Cmd_load").Click = [this] { Cmd_load_Click(); };
  control("Command8", 0).Click = [this] { Command8_Click(0); };
  control("Command1", 0).Click = [this] { Command1_Click(0); };
  MouseMove = [this](int, int, float, float) { Form_MouseMove(); };
  for (int i : {0, 1}) {
    control("Image1", i).Click = [this, i] { Image1_Click(i); };
    control("Label6", i).Click = [this, i] { Image1_Click(i); };
    control("Image1", i).MouseMove = [this, i](int, int, float, float) { Image1_MouseMove(i); };
    control("Label6", i).MouseMove = [this, i](int, int, float, float) { Image1_MouseMove(i); };
    control("Picture1", i + 1).MouseMove = [this](int, int, float, float) { Form_MouseMove(); };
  }
  for (int i = 0; i < 4; ++i) {
    platform::Control& t1 = control("Text1", i);
    platform::Control& t2 = control("Text2", i);
    t1.Change = [this, i] { Text1_Change(i); };
    t2.Change = [this, i] { Text2_Change(i); };
    t1.LostFocus = [this, i] { Text1_LostFocus(i); };
    t2.LostFocus = [this, i] { Text2_LostFocus(i); };
    t1.KeyPress = [this, i](int& key) { Text1_KeyPress(i, key); };
    t2.KeyPress = [this, i](int& key) { Text2_KeyPress(i, key); };
    t2.MouseDown = [this, i](int, int, float, float) { Text2_MouseDown(i); };
  }
}

// The tab pictures are the settings window's: 1 not selected, 2 under the mouse, 3 selected.
std::string PresetManager::tabPicture(int which) const {
  return needs_.settingsWindow.tabPicture(which);
}

void PresetManager::showTab(int index) {
  for (int i : {0, 1}) {
    const bool selected = i == index;
    platform::Control& tab = control("Image1", i);
    tab.move(tab.Left(), selected ? 60 : 85, tab.Width(), selected ? 400 : kTabHeight);
    tab.setPicture(tabPicture(selected ? 3 : 1));
  }
}

void PresetManager::Image1_Click(int index) {
  showTab(index);
  for (int area : {1, 2}) {
    control("Picture1", area).setVisible(false);
    for (const char* field : kAreaFields) {
      for (int i = 0; i < 4; ++i) control(field + std::to_string(area), i).setVisible(false);
    }
  }
  control("Cmd_save").setVisible(false);
  control("Command8", 0).setVisible(false);
  control("Command1", 0).setVisible(false);
  if (ManagerList* list = activeList()) deselectIfCurrentWithin(*list);
  const int area = index == 0 ? 1 : 2;
  control("Picture1", area).setVisible(true);
  for (const char* field : kAreaFields) {
    for (int i = 0; i < 4; ++i) control(field + std::to_string(area), i).setVisible(true);
  }
  if (index == 0) {
    control("Cmd_save").setVisible(true);
    control("Text1", 0).setText(std::to_string(presetRows.count() + 1));
    control("Text1", 1).SetFocus();
  } else {
    control("Command8", 0).setVisible(true);
    control("Command1", 0).setVisible(true);
    control("Text2", 0).setText(std::to_string(linkRows.count() + 1));
    for (int i : {1, 2, 3}) control("Text2", i).setText("");
    control("Command8", 0).SetFocus();
  }
  active = ActiveList::None;
}

void PresetManager::Image1_MouseMove(int index) {
  Form_MouseMove();
  platform::Control& tab = control("Image1", index);
  if (tab.Height() == kTabHeight) tab.setPicture(tabPicture(2));
}

void PresetManager::Form_MouseMove() {
  for (int i : {0, 1}) {
    platform::Control& tab = control("Image1", i);
    if (tab.Height() == kTabHeight) tab.setPicture(tabPicture(1));
  }
}

// The help of the shown entry area: with Ctrl held its web article, else the help file's page.
void PresetManager::Lab_help_Click(bool ctrlHeld) {
  const bool linkPage = control("Picture1", 2).Visible();
  if (ctrlHeld) {
    OpenWithShell(needs_.platform, linkPage ? "https://horalix.example/help/document-links"
                                            : "https://horalix.example/help/presets");
    return;
  }
  openHelpPage(needs_.platform, "2.2、特殊计时.htm", *this);
}

void PresetManager::Cmd_close_Click() { Unload(); }

}  // namespace horalix
