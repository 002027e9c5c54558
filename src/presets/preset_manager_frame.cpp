// The preset manager's frame: the two tabs that switch the entry area between a new preset and
// a new document link, their hover pictures, the help link, the close button and the wiring of
// every control to its handler.
#include <array>

#include "main/main.h"
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/window_utilities.h"
#include "settings/settings.h"

namespace horalix {

namespace {

constexpr int kTabHeight = 375;  // a tab that is not selected

}  // namespace

void PresetManager::wireHandlers() {
  List1.Click = [this] { List1_Click(); };
  List2.Click = [this] { List2_Click(); };
  List1.DblClick = [this] { Cmd_load_Click(); };
  Cmd_del.Click = [this] { Cmd_del_Click(); };
  Cmd_up.Click = [this] { Cmd_up_Click(); };
  Cmd_down.Click = [this] { Cmd_down_Click(); };
  Check1.Click = [this] { Check1_Click(); };
  Text4.Change = [this] { Text4_Change(); };
  // The help link asks whether Ctrl is held: the press that starts the click tells.
  Lab_help.MouseDown = [this](int, int shift, float, float) { ctrlOnHelp_ = (shift & 2) != 0; };
  Lab_help.Click = [this] {
    Lab_help_Click(ctrlOnHelp_);
    ctrlOnHelp_ = false;
  };
  Cmd_close.Click = [this] { Cmd_close_Click(); };
  Cmd_save.Click = [this] { Cmd_save_Click(); };
  Cmd_load.Click = [this] { Cmd_load_Click(); };
  Command8[0].Click = [this] { Command8_Click(0); };
  Command1[0].Click = [this] { Command1_Click(0); };
  MouseMove = [this](int, int, float, float) { Form_MouseMove(); };
  for (int i : {0, 1}) {
    Image1[i].Click = [this, i] { Image1_Click(i); };
    Label6[i].Click = [this, i] { Image1_Click(i); };
    Image1[i].MouseMove = [this, i](int, int, float, float) { Image1_MouseMove(i); };
    Label6[i].MouseMove = [this, i](int, int, float, float) { Image1_MouseMove(i); };
    Picture1[i + 1].MouseMove = [this](int, int, float, float) { Form_MouseMove(); };
  }
  for (int i = 0; i < 4; ++i) {
    platform::Control& t1 = Text1[i];
    platform::Control& t2 = Text2[i];
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
    platform::Control& tab = Image1[i];
    tab.move(tab.Left(), selected ? 60 : 85, tab.Width(), selected ? 400 : kTabHeight);
    tab.setPicture(tabPicture(selected ? 3 : 1));
  }
}

void PresetManager::Image1_Click(int index) {
  // The controls of an entry area (1 or 2) beside its picture; the backend draws every control
  // on the window itself, so an area is shown or hidden control by control.
  const auto areaFields = [this](int area) {
    return area == 1 ? std::array{&Label1, &Text1} : std::array{&Label2, &Text2};
  };
  showTab(index);
  for (int area : {1, 2}) {
    Picture1[area].setVisible(false);
    for (platform::ControlRow* field : areaFields(area)) {
      for (int i = 0; i < 4; ++i) (*field)[i].setVisible(false);
    }
  }
  Cmd_save.setVisible(false);
  Command8[0].setVisible(false);
  Command1[0].setVisible(false);
  if (ManagerList* list = activeList()) deselectIfCurrentWithin(*list);
  const int area = index == 0 ? 1 : 2;
  Picture1[area].setVisible(true);
  for (platform::ControlRow* field : areaFields(area)) {
    for (int i = 0; i < 4; ++i) (*field)[i].setVisible(true);
  }
  if (index == 0) {
    Cmd_save.setVisible(true);
    Text1[0].setText(std::to_string(presetRows.count() + 1));
    Text1[1].SetFocus();
  } else {
    Command8[0].setVisible(true);
    Command1[0].setVisible(true);
    Text2[0].setText(std::to_string(linkRows.count() + 1));
    for (int i : {1, 2, 3}) Text2[i].setText("");
    Command8[0].SetFocus();
  }
  active = ActiveList::None;
}

void PresetManager::Image1_MouseMove(int index) {
  Form_MouseMove();
  platform::Control& tab = Image1[index];
  if (tab.Height() == kTabHeight) tab.setPicture(tabPicture(2));
}

void PresetManager::Form_MouseMove() {
  for (int i : {0, 1}) {
    platform::Control& tab = Image1[i];
    if (tab.Height() == kTabHeight) tab.setPicture(tabPicture(1));
  }
}

// The help of the shown entry area: with Ctrl held its web article, else the help file's page.
void PresetManager::Lab_help_Click(bool ctrlHeld) {
  const bool linkPage = Picture1[2].Visible();
  if (ctrlHeld) {
    OpenWithShell(needs_.platform, linkPage ? "https://horalix.example/help/document-links"
                                            : "https://horalix.example/help/presets");
    return;
  }
  openHelpPage(needs_.platform, "2.2、特殊计时.htm", *this);
}

void PresetManager::Cmd_close_Click() { Unload(); }

}  // namespace horalix
