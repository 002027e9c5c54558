// The settings window's three pages: a row of picture tabs at the top shows one page's
// containers and moves them into place; the tab under the mouse shows its hover picture. Also
// the help link.
#include <array>

#include "services/option_names.h"
#include "services/program_folder.h"
#include "services/window_utilities.h"
#include "settings/settings_codec.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"
#include "settings/sound_file_boxes.h"

namespace horalix {

namespace {

// A tab at rest is 375 twips high; the selected tab stands 400 high and reaches 25 twips higher.
constexpr int kTabAtRest = 375;
constexpr int kTabSelected = 400;
constexpr int kTabCount = 6;
// The pictures of Image3: a tab at rest, under the mouse, selected.
constexpr int kRestPicture = 1;
constexpr int kHoverPicture = 2;
constexpr int kSelectedPicture = 3;
constexpr const char* kTabPictures[] = {"picture\\tab-rest.bmp", "picture\\tab-hover.bmp",
                                        "picture\\tab-selected.bmp"};

// Where a page puts one of the window's page containers; a hidden container stays where it is.
struct ContainerPlace {
  bool shown;
  int left = -1, top = -1;
};

// One page: its places of the page containers, the title of its lower block and the frames
// around its two blocks.
struct Page {
  std::array<ContainerPlace, 6> containers;
  const char* lowerTitle;
  int lowerTitleTop;
  int upperFrameHeight;
  int lowerFrameTop, lowerFrameHeight;
  bool sideFrames;
};

// The places follow the window's order of its page containers: Frame1, Picture7, Picture8,
// Picture13, Picture6 and Picture10.
// clang-format off
constexpr Page kPages[] = {
    // "限时": the time-limit rows and the display format.
    {{{{true}, {false}, {true}, {false}, {false}, {false}}},
     "格式", 3450, 3010, 3550, 600, true},
    // "提醒": the reminder grid and the further options of the clock.
    {{{{false}, {true, 300, 535}, {false}, {true, 300, 4050}, {false}, {false}}},
     "其它", 3850, 3410, 3950, 2420, false},
    // "系统": the timing mode and the hot keys with the clock method and the repair.
    {{{{false}, {false}, {false}, {false}, {true, 300, 535}, {true, 300, 3650}}},
     "热键", 3450, 3010, 3550, 2820, false},
};
// clang-format on

// The online articles about the settings: the two of the time and reminder pages, the one of the
// system page.
constexpr const char* kTimePagesArticles[] = {"https://horalix.example/help/settings-time",
                                              "https://horalix.example/help/settings-reminders"};
constexpr const char* kSystemPageArticle = "https://horalix.example/help/settings-system";

}  // namespace

void SettingsWindow::Image2_Click(int index) {
  for (int k = 1; k <= kTabCount; ++k) {
    platform::Control& tab = Image2[k];
    tab.move(tab.Left(), 45, tab.Width(), kTabAtRest);
    tab.setPicture(tabPicture(kRestPicture));
  }
  if (index < 1 || index > kTabCount) return;
  platform::Control& selected = Image2[index];
  selected.move(selected.Left(), 20, selected.Width(), kTabSelected);
  selected.setPicture(tabPicture(kSelectedPicture));
  Label1[10].setCaption("时钟");
  if (index > static_cast<int>(std::size(kPages))) return;

  if (index == 3) showStoredMode();
  const Page& page = kPages[index - 1];
  static_assert(std::tuple_size_v<decltype(Page::containers)> ==
                std::tuple_size_v<decltype(pageContainers_)>);
  for (std::size_t k = 0; k < pageContainers_.size(); ++k) {
    const ContainerPlace& place = page.containers[k];
    platform::Control& container = *pageContainers_[k];
    if (place.left >= 0) {
      container.move(place.left, place.top, container.Width(), container.Height());
    }
    container.setVisible(place.shown);
  }
  Label1[8].setCaption(page.lowerTitle);
  Label1[8].setTop(page.lowerTitleTop);
  Shape1[14].setHeight(page.upperFrameHeight);
  platform::Control& lowerFrame = Shape1[0];
  lowerFrame.move(lowerFrame.Left(), page.lowerFrameTop, lowerFrame.Width(), page.lowerFrameHeight);
  lowerFrame.setVisible(true);
  for (int side : {15, 16}) Shape1[side].setVisible(page.sideFrames);

  // The spotlight settings take the place of the clock's look on the system page.
  const bool systemPage = index == 3;
  Picture11.setVisible(systemPage);
  Picture12.setVisible(!systemPage);
  if (systemPage) {
    fillClockMethods();
    Label1[10].setCaption("聚光灯");
    platform::Control& spotlights = Picture11;
    spotlights.move(300, 6680, spotlights.Width(), spotlights.Height());
  }
}

void SettingsWindow::showFirstTab() {
  for (int k : {kRestPicture, kHoverPicture, kSelectedPicture}) Image3[k].setPicture(tabPicture(k));
  for (int k = 1; k <= kTabCount; ++k) Image2[k].setPicture(tabPicture(kRestPicture));
  platform::Control& first = Image2[1];
  first.move(first.Left(), 20, first.Width(), kTabSelected);
  first.setPicture(tabPicture(kSelectedPicture));
}

// The system page shows the timing mode of the settings record: changes to it that were not
// applied are dropped.
void SettingsWindow::showStoredMode() {
  const std::string& mode = needs_.settings.AImode;
  for (AiFlag flag : {AiFlag::Manual, AiFlag::Automatic}) {
    if (optionChar(mode, flag) != "0") controlOf(fields_, flag)->setValue(1);
  }
  for (int k = static_cast<int>(AiFlag::Word); k <= kAImodeLength; ++k) {
    const auto flag = static_cast<AiFlag>(k);
    controlOf(fields_, flag)->setValue(optionChar(mode, flag) != "0" ? 1 : 0);
  }
}

// Tabs at rest take the rest picture; the tab under the mouse, unless it is the selected one,
// the hover picture. An index outside the tabs (the window's background) only rests them.
void SettingsWindow::Image2_MouseMove(int index) {
  const std::string rest = tabPicture(kRestPicture);
  for (int k = 1; k <= kTabCount; ++k) {
    platform::Control& tab = Image2[k];
    if (tab.Height() == kTabAtRest) tab.setPicture(rest);
  }
  if (index < 1 || index > kTabCount) return;
  platform::Control& tab = Image2[index];
  if (tab.Height() == kTabAtRest) tab.setPicture(tabPicture(kHoverPicture));
}

// With Ctrl held the online articles of the page shown, else the help file's page on the
// settings.
void SettingsWindow::Lab_help_Click(bool ctrlHeld) {
  if (!ctrlHeld) {
    openHelpPage(needs_.platform, "2.1、设置.htm", *this);
    return;
  }
  if (Picture10.Visible()) {
    OpenWithShell(needs_.platform, kSystemPageArticle);
    return;
  }
  for (const char* article : kTimePagesArticles) OpenWithShell(needs_.platform, article);
}

std::string SettingsWindow::tabPicture(int which) {
  if (which < kRestPicture || which > kSelectedPicture) return "";
  return pathInProgramFolder(needs_.platform, kTabPictures[which - 1]);
}

void SettingsWindow::wirePageHandlers() {
  for (const auto& owned : controls()) {
    platform::Control& control = *owned;
    const std::string& name = control.name();
    const int i = control.index();
    if (name == "Image2" || name == "Lab_Tab") {
      control.Click = [this, i] { Image2_Click(i); };
      control.MouseMove = [this, i](int, int, float, float) { Image2_MouseMove(i); };
    } else if (name == "Frame1") {
      control.MouseMove = [this](int, int, float, float) { Image2_MouseMove(0); };
    } else if (name == "Text4") {
      control.Click = [this, i] { Text4_Click(needs_.platform, fields_.Text4, i); };
    } else if (name == "Text1") {
      control.Click = [this, i] { Text1_Click(i); };
    } else if (name == "Command3") {
      control.Click = [this, i] { Command3_Click(i); };
    }
  }
  MouseMove = [this](int, int, float, float) { Image2_MouseMove(0); };
  Combo9.Click = [this] { Combo9_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  platform::Control& help = Lab_help;
  help.MouseDown = [this](int, int Shift, float, float) { ctrlAtHelpPress_ = (Shift & 2) != 0; };
  help.Click = [this] {
    Lab_help_Click(ctrlAtHelpPress_);
    ctrlAtHelpPress_ = false;
  };
}

}  // namespace horalix
