#include "presets/preset_manager.h"

#include <cstdio>
#include <tuple>

#include "main/main.h"
#include "presets/presets.h"
#include "services/attempt.h"
#include "services/control_frame.h"
#include "services/format_picture.h"
#include "services/program_folder.h"
#include "services/settings_block.h"
#include "services/text_helpers.h"
#include "settings/settings.h"
#include "store/store.h"

namespace horalix {

using platform::ControlDesign;
using platform::ControlKind;
namespace design = platform::design;

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kFace = 0x8000000F;
constexpr unsigned kHidden = design::kHidden;

// The window as laid out: client area 6825 x 8265 twips. The shapes that frame the entry
// fields keep their places in the model only; the fields draw their own borders.
constexpr ControlDesign kDesign[] = {
    // Tabs: a selected tab is 400 high at top 60, the others 375 high at top 85.
    {.kind = ControlKind::Image,
     .name = "Image1",
     .index = 0,
     .left = 120,
     .top = 85,
     .width = 1250,
     .height = 375},
    {.kind = ControlKind::Image,
     .name = "Image1",
     .index = 1,
     .left = 1370,
     .top = 85,
     .width = 1250,
     .height = 375},
    {.kind = ControlKind::Label,
     .name = "Label6",
     .index = 0,
     .left = 330,
     .top = 160,
     .width = 840,
     .height = 240,
     .caption = "常用时钟",
     .backColor = kFace},
    {.kind = ControlKind::Label,
     .name = "Label6",
     .index = 1,
     .left = 1580,
     .top = 160,
     .width = 840,
     .height = 240,
     .caption = "特殊文件",
     .backColor = kFace},
    // The entry area with the two pages.
    {.kind = ControlKind::Frame,
     .name = "Frame1",
     .left = 105,
     .top = 470,
     .width = 6615,
     .height = 1530,
     .backColor = kFace},
    {.kind = ControlKind::Label,
     .name = "Shape3",
     .index = 4,
     .left = 90,
     .top = 455,
     .width = 6645,
     .height = 1560,
     .borderStyle = 1,
     .flags = kHidden},
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .index = 1,
     .left = 60,
     .top = 200,
     .width = 6495,
     .height = 1250,
     .backColor = kFace,
     .container = "Frame1"},
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .index = 2,
     .left = 60,
     .top = 200,
     .width = 6495,
     .height = 1250,
     .backColor = kFace,
     .flags = kHidden,
     .container = "Frame1"},
    // New preset.
    {.kind = ControlKind::Label,
     .name = "Label1",
     .index = 0,
     .left = 120,
     .top = 150,
     .width = 480,
     .height = 255,
     .caption = "序号",
     .backColor = kFace,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 0,
     .left = 600,
     .top = 100,
     .width = 800,
     .height = 330,
     .tabIndex = 0,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .index = 1,
     .left = 1560,
     .top = 150,
     .width = 840,
     .height = 255,
     .caption = "时钟名称",
     .backColor = kFace,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 1,
     .left = 2400,
     .top = 100,
     .width = 2700,
     .height = 330,
     .tabIndex = 1,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .index = 2,
     .left = 120,
     .top = 650,
     .width = 480,
     .height = 255,
     .caption = "时间",
     .backColor = kFace,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 2,
     .left = 600,
     .top = 600,
     .width = 1500,
     .height = 330,
     .tabIndex = 2,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .index = 3,
     .left = 2160,
     .top = 650,
     .width = 480,
     .height = 255,
     .caption = "备注",
     .backColor = kFace,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 3,
     .left = 2640,
     .top = 600,
     .width = 2460,
     .height = 330,
     .tabIndex = 3,
     .container = "Picture1",
     .containerIndex = 1},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_save",
     .left = 5280,
     .top = 300,
     .width = 1000,
     .height = 450,
     .caption = "录入",
     .flags = design::kDisabled,
     .tabIndex = 4,
     .container = "Picture1",
     .containerIndex = 1},
    // New document link.
    {.kind = ControlKind::Label,
     .name = "Label2",
     .index = 0,
     .left = 120,
     .top = 150,
     .width = 480,
     .height = 255,
     .caption = "序号",
     .backColor = kFace,
     .flags = kHidden,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::TextBox,
     .name = "Text2",
     .index = 0,
     .left = 600,
     .top = 100,
     .width = 800,
     .height = 330,
     .flags = kHidden,
     .tabIndex = 5,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::Label,
     .name = "Label2",
     .index = 1,
     .left = 1560,
     .top = 150,
     .width = 840,
     .height = 255,
     .caption = "文件名称",
     .backColor = kFace,
     .flags = kHidden,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::TextBox,
     .name = "Text2",
     .index = 1,
     .left = 2400,
     .top = 100,
     .width = 2280,
     .height = 330,
     .flags = kHidden,
     .tabIndex = 6,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::CommandButton,
     .name = "Command8",
     .index = 0,
     .left = 4740,
     .top = 100,
     .width = 360,
     .height = 330,
     .caption = "..",
     .flags = kHidden,
     .tabIndex = 7,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::Label,
     .name = "Label2",
     .index = 2,
     .left = 120,
     .top = 650,
     .width = 840,
     .height = 255,
     .caption = "时钟名称",
     .backColor = kFace,
     .flags = kHidden,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::TextBox,
     .name = "Text2",
     .index = 2,
     .left = 960,
     .top = 600,
     .width = 1500,
     .height = 330,
     .flags = kHidden,
     .tabIndex = 8,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::Label,
     .name = "Label2",
     .index = 3,
     .left = 2560,
     .top = 650,
     .width = 480,
     .height = 255,
     .caption = "备注",
     .backColor = kFace,
     .flags = kHidden,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::TextBox,
     .name = "Text2",
     .index = 3,
     .left = 3040,
     .top = 600,
     .width = 2060,
     .height = 330,
     .flags = kHidden,
     .tabIndex = 9,
     .container = "Picture1",
     .containerIndex = 2},
    {.kind = ControlKind::CommandButton,
     .name = "Command1",
     .index = 0,
     .left = 5280,
     .top = 300,
     .width = 1000,
     .height = 450,
     .caption = "录入",
     .flags = kHidden | design::kDisabled,
     .tabIndex = 10,
     .container = "Picture1",
     .containerIndex = 2},
    // The hint line.
    {.kind = ControlKind::Label,
     .name = "Label3",
     .index = 4,
     .left = 105,
     .top = 2070,
     .width = 600,
     .height = 255,
     .caption = "双击：",
     .backColor = kFace},
    {.kind = ControlKind::Label,
     .name = "Label5",
     .left = 705,
     .top = 2070,
     .width = 6015,
     .height = 255,
     .caption = "【常用时钟】在左侧窗口加载参数，【特殊文件】录入时钟名称",
     .foreColor = kRed,
     .backColor = kFace},
    // The two lists, each under its header strip.
    {.kind = ControlKind::PictureBox,
     .name = "Picture2",
     .left = 105,
     .top = 2380,
     .width = 6615,
     .height = 300,
     .backColor = kFace},
    {.kind = ControlKind::ListBox,
     .name = "List1",
     .left = 105,
     .top = 2657,
     .width = 6615,
     .height = 2220,
     .flags = design::kMultiSelect,
     .tabIndex = 11},
    {.kind = ControlKind::Label,
     .name = "Label4",
     .left = 105,
     .top = 4950,
     .width = 4000,
     .height = 255,
     .caption = "特殊计时文件名称及对应时钟名称",
     .foreColor = kRed,
     .backColor = kFace},
    {.kind = ControlKind::PictureBox,
     .name = "Picture3",
     .left = 105,
     .top = 5240,
     .width = 6615,
     .height = 300,
     .backColor = kFace},
    {.kind = ControlKind::ListBox,
     .name = "List2",
     .left = 105,
     .top = 5517,
     .width = 6615,
     .height = 2220,
     .flags = design::kMultiSelect,
     .tabIndex = 12},
    // The bottom row.
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .left = 105,
     .top = 7820,
     .width = 700,
     .height = 330,
     .caption = "查询",
     .backColor = kFace,
     .tabIndex = 13},
    {.kind = ControlKind::TextBox,
     .name = "Text4",
     .left = 840,
     .top = 7820,
     .width = 1800,
     .height = 330,
     .flags = kHidden,
     .tabIndex = 14},
    {.kind = ControlKind::Label,
     .name = "Shape4",
     .left = 825,
     .top = 7805,
     .width = 1830,
     .height = 360,
     .borderStyle = 1,
     .flags = kHidden},
    {.kind = ControlKind::Label,
     .name = "Lab_help",
     .left = 2760,
     .top = 7860,
     .width = 600,
     .height = 255,
     .caption = " 帮助",
     .foreColor = kBlue,
     .backColor = kFace,
     .mousePointer = platform::MousePointer::Hand},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_up",
     .left = 3480,
     .top = 7790,
     .width = 780,
     .height = 390,
     .caption = "上移",
     .tabIndex = 15},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_down",
     .left = 4320,
     .top = 7790,
     .width = 780,
     .height = 390,
     .caption = "下移",
     .tabIndex = 16},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_del",
     .left = 5160,
     .top = 7790,
     .width = 780,
     .height = 390,
     .caption = "删除",
     .tabIndex = 17},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_close",
     .left = 6000,
     .top = 7790,
     .width = 720,
     .height = 390,
     .caption = "关闭",
     .tabIndex = 18},
    // Reached by a double click on a preset.
    {.kind = ControlKind::CommandButton, .name = "Cmd_load", .caption = "应用", .flags = kHidden},
    // Measures the gap after a row number.
    {.kind = ControlKind::Label, .name = "Label8", .flags = kHidden | design::kAutoSize},
};

// The frames of the entry fields, kept in step with the fields at load.
constexpr ControlDesign kShapes[] = {
    {.kind = ControlKind::Label, .name = "Shape1", .index = 0, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 1, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 2, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 3, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape2", .index = 0, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape2", .index = 1, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape2", .index = 2, .borderStyle = 1, .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Shape2", .index = 3, .borderStyle = 1, .flags = kHidden},
};

}  // namespace

PresetManager::PresetManager(PresetsNeeds& needs)
    : Form(needs.platform.forms, "Frm_offtensetting"),
      List1((addControls(kDesign).addControls(kShapes), control("List1"))),
      List2(control("List2")),
      Label8(control("Label8")),
      Picture1(binding(), "Picture1"),
      Text1(binding(), "Text1"),
      Text2(binding(), "Text2"),
      Label1(binding(), "Label1"),
      Label2(binding(), "Label2"),
      Shape1(binding(), "Shape1"),
      Shape2(binding(), "Shape2"),
      Image1(binding(), "Image1"),
      Label6(binding(), "Label6"),
      Command8(binding(), "Command8"),
      Command1(binding(), "Command1"),
      Picture2(control("Picture2")),
      Picture3(control("Picture3")),
      Check1(control("Check1")),
      Text4(control("Text4")),
      Shape4(control("Shape4")),
      Cmd_save(control("Cmd_save")),
      Cmd_load(control("Cmd_load")),
      Cmd_del(control("Cmd_del")),
      Cmd_up(control("Cmd_up")),
      Cmd_down(control("Cmd_down")),
      Cmd_close(control("Cmd_close")),
      Lab_help(control("Lab_help")),
      presetRows(List1, listpad),
      linkRows(List2, listpad),
      needs_(needs) {
  setCaption("特殊计时");
  setBorderStyle(3);
  setClientSize(6825, 8265);
  wireHandlers();
  presetFromSettings = [this] { return presetOfSettingsWindow(); };
  applyPresetRow = [this](const std::vector<platform::DbValue>& row) {
    applyToSettingsWindow(row);
  };
}

platform::OwnedForm<PresetManager> makePresetManager(PresetsNeeds& needs) {
  return platform::OwnedForm<PresetManager>::build(needs);
}

PresetDatabase PresetManager::database() {
  return PresetDatabase(needs_.platform.database, needs_.platform.files,
                        needs_.platform.messageBoxes, programFolder(needs_.platform),
                        GetDbPassword());
}

void PresetManager::notice(const std::string& text, int ms, const std::string& caption) {
  needs_.platform.messageBoxes.showTimed(text, caption, platform::mb::Ok, ms);
}

void PresetManager::rebuildPresetsMenu() {
  attempt(needs_.platform.log, "presets menu", [&] { needs_.mainWindow.change_clock_menu(); });
}

std::string PresetManager::today() const {
  const platform::LocalTime now = needs_.platform.loop.localTime();
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", now.year, now.month, now.day);
  return text;
}

ManagerList* PresetManager::listNamed(const std::string& name) {
  if (name == "List1") return &presetRows;
  if (name == "List2") return &linkRows;
  return nullptr;
}

ManagerList* PresetManager::activeList() {
  switch (active) {
    case ActiveList::Presets:
      return &presetRows;
    case ActiveList::Links:
      return &linkRows;
    case ActiveList::None:
      break;
  }
  return nullptr;
}

std::optional<std::vector<ListRow>> PresetManager::Listdata(const std::string& listname) const {
  const ManagerList* list = listname == "List1"   ? &presetRows
                            : listname == "List2" ? &linkRows
                                                  : nullptr;
  if (list == nullptr || list->count() == 0) return std::nullopt;
  return list->rows();
}

void PresetManager::deselectAll(ManagerList& list) {
  for (int i = list.count() - 1; i >= 0; --i) list.control().setSelected(i, false);
}

// The gap: "001" and its blanks take about 630 of the list's 6615 twips.
void PresetManager::measureGap() {
  Label8.setFont(List1.Font());
  Label8.setCaption("001 ");
  int counter = 2;
  for (; counter <= 50; ++counter) {
    if (List1.Width() > 0 &&
        static_cast<double>(Label8.Width()) / List1.Width() >= 630.0 / 6615.0) {
      break;
    }
    Label8.setCaption(Label8.Caption() + " ");
  }
  listpad.assign(static_cast<std::size_t>(counter - 1), ' ');
}

void PresetManager::setTabStops() {
  screendpi = static_cast<std::int16_t>(dotsPerInchOf(needs_.platform.desktop.twipsPerPixelX()));
  const std::vector<int> stops = tabStopsFor(screendpi);
  List1.setTabStops(stops);
  List2.setTabStops(stops);
}

void PresetManager::placeBesideSettings() {
  SettingsWindow& settings = needs_.settingsWindow;
  if (!settings.loaded()) return;
  move(settings.Left() + settings.Width() + 120, settings.Top(), Width(), settings.Height());
}

// Every step goes on after a failing one; a failing database step has told the user.
void PresetManager::Form_Load() {
  active = ActiveList::None;
  currentRow_.reset();
  attempt(needs_.platform.log, "preset manager, place", [&] { placeBesideSettings(); });
  attempt(needs_.platform.log, "preset manager, gap", [&] { measureGap(); });
  Picture1[2].setVisible(false);
  attempt(needs_.platform.log, "preset manager, tab stops", [&] { setTabStops(); });
  for (int i : {0, 1}) Image1[i].setPicture(tabPicture(1));
  for (auto [strip, list, left] : {std::tuple{&Picture2, &List1, 23}, {&Picture3, &List2, 20}}) {
    platform::Control& header = *strip;
    header.move(list->Left() - left, header.Top(), list->Width() + 36, header.Height());
    list->setTop(header.Top() + header.Height() - 23);
  }
  attempt(needs_.platform.log, "preset manager, headings", [&] { drawHeadings(); });
  showTab(0);
  for (int i = 0; i < 4; ++i) {
    FrameControl(Shape1[i], Text1[i]);
    FrameControl(Shape2[i], Text2[i]);
  }
  FrameControl(Shape4, Text4);
  loadLists();
}

// A failing read ends the filling with its one message; the fields after it stay empty.
void PresetManager::loadLists() {
  PresetDatabase data = database();
  presetRows.clear();
  linkRows.clear();
  if (!reloadPresets(data)) return;
  Text1[2].setText(today());
  if (data.fileExists() && !reloadLinks(data)) return;
  Text2[0].setText(std::to_string(linkRows.count() + 1));
}

// The presets as stored, numbered by position, and the next preset number. A table without
// rows leaves the list as it was; a failed read leaves the list and the number field.
bool PresetManager::reloadPresets(PresetDatabase& data, bool tellFailure) {
  const DbRows rows = data.presetList(Access::Direct, tellFailure);
  if (!rows.ok()) return false;
  if (!rows.empty()) {
    std::vector<ListRow> shown;
    for (const auto& r : rows.table.rows) shown.push_back(presetListRow(r));
    presetRows.show(std::move(shown));
    presetRows.numberByPosition();
  }
  Text1[0].setText(std::to_string(presetRows.count() + 1));
  return true;
}

bool PresetManager::reloadLinks(PresetDatabase& data, bool tellFailure) {
  const DbRows rows = data.linkList(Access::Direct, tellFailure);
  if (!rows.ok()) return false;
  if (!rows.empty()) {
    std::vector<ListRow> shown;
    for (const auto& r : rows.table.rows) shown.push_back(linkListRow(r));
    linkRows.show(std::move(shown));
    linkRows.numberByPosition();
  }
  return true;
}

}  // namespace horalix
