#include "presets/statistics_window.h"

#include "clock/clock.h"
#include "main/main.h"
#include "presets/presets.h"
#include "presets/spreadsheet_export.h"
#include "services/program_folder.h"
#include "services/setting_readers.h"
#include "services/startup_check.h"
#include "services/text_helpers.h"
#include "services/value_store.h"
#include "store/store.h"

namespace horalix {

using platform::ControlKind;
namespace design = platform::design;

namespace {

constexpr int kClientWidth = 7450;
constexpr int kClientHeight = 5600;
constexpr int kListLeft = 300;
constexpr int kListWidth = 6850;
constexpr std::string_view kListFont = "宋体";

constexpr std::string_view kRecordingOffNotice =
    "\r\n计时统计未启用\r\n\r\n暂停计时数据记录统计\r\n";

// The window's design. The heading picture's place and the list's top follow from each other
// at load.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::PictureBox,
     .name = "Picture1",
     .left = 275,
     .top = 120,
     .width = 6915,
     .height = 330,
     .fontName = kListFont,
     .backColor = 0xE0E0E0},
    {.kind = ControlKind::ListBox,
     .name = "List1",
     .left = kListLeft,
     .top = 420,
     .width = kListWidth,
     .height = 3600,
     .fontName = kListFont,
     .flags = design::kMultiSelect,
     .tabIndex = 0},
    {.kind = ControlKind::ListBox, .name = "List2", .flags = design::kHidden},
    {.kind = ControlKind::Label,
     .name = "Label3",
     .fontName = kListFont,
     .flags = design::kHidden | design::kAutoSize},
    {.kind = ControlKind::Label,
     .name = "Text1",
     .left = 300,
     .top = 4200,
     .width = 2600,
     .height = 1200,
     .caption = kRecordingOffNotice,
     .foreColor = 0x0000C0,
     .backColor = 0x8000000F,
     .borderStyle = 1},
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .left = 3100,
     .top = 4250,
     .width = 2000,
     .height = 300,
     .caption = "计时统计",
     .backColor = 0x8000000F,
     .flags = design::kDisabled,
     .tabIndex = 1},
    {.kind = ControlKind::CommandButton,
     .name = "Command1",
     .left = 3100,
     .top = 4900,
     .width = 1200,
     .height = 420,
     .caption = "导出",
     .tabIndex = 2},
    {.kind = ControlKind::CommandButton,
     .name = "Command3",
     .left = 4500,
     .top = 4900,
     .width = 1200,
     .height = 420,
     .caption = "删除",
     .tabIndex = 3},
    {.kind = ControlKind::CommandButton,
     .name = "Command2",
     .left = 5900,
     .top = 4900,
     .width = 1200,
     .height = 420,
     .caption = "关闭",
     .tabIndex = 4},
};

PresetDatabase officeData(platform::Platform& platform) {
  return PresetDatabase(platform.database, platform.files, platform.messageBoxes,
                        programFolder(platform), GetDbPassword());
}

void timedNotice(platform::Platform& platform, const std::string& text, int timeoutMs) {
  platform.messageBoxes.showTimed(text, kProgramTitle, platform::mb::Ok, timeoutMs);
}

}  // namespace

platform::OwnedForm<StatisticsWindow> makeStatisticsWindow(PresetsNeeds& needs) {
  return platform::OwnedForm<StatisticsWindow>::build(needs);
}

StatisticsWindow::StatisticsWindow(PresetsNeeds& needs)
    : Form(needs.platform.forms, "Frm_data_sum"),
      List1((addControls(kDesign), control("List1"))),
      List2(control("List2")),
      Label3(control("Label3")),
      Picture1(control("Picture1")),
      Check1(control("Check1")),
      Text1(control("Text1")),
      Command1(control("Command1")),
      Command2(control("Command2")),
      Command3(control("Command3")),
      Timer1(addTimer("Timer1", 3000, true)),
      needs_(needs) {
  setBorderStyle(3);
  setCaption("计时统计");
  Check1.Click = [this] { Check1_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
}

// Lists the runs; the recording switch is set from the registry and enabled only when the list
// could be read, so that a failed load leaves the stored value alone.
void StatisticsWindow::Form_Load() {
  setClientSize(kClientWidth, kClientHeight);
  const platform::Desktop& desktop = needs_.platform.desktop;
  const platform::PixelRect screen = desktop.primaryScreen();
  move((screen.width() * desktop.twipsPerPixelX() - Width()) / 2,
       (screen.height() * desktop.twipsPerPixelY() - Height()) / 2, Width(), Height());
  if (!fillList()) return;

  ValueStore values(needs_.platform.scriptingShell, needs_.platform.registry);
  const int recording = values.readInt32("Time_Record") != 0 ? 1 : 0;

  Picture1.setLeft(List1.Left() - 25);
  Picture1.setWidth(List1.Width() + 65);
  Picture1.setAutoRedraw(true);
  List1.setTop(Picture1.Top() + Picture1.Height() - 30);
  drawHeadings();

  Check1.setValue(recording);
  Check1.setEnabled(true);
  Text1.setVisible(recording == 0);
}

bool StatisticsWindow::fillList() {
  rows_.clear();
  List1.clear();
  List2.clear();
  try {
    Label3.setCaption(separatorSample(1));
    const int gap = separatorWidth(
        [this](const std::string& sample) {
          Label3.setCaption(sample);
          return Label3.Width();
        },
        List1.Width());
    separator_.assign(static_cast<std::size_t>(gap), ' ');
    Label3.setCaption(separatorSample(gap));
  } catch (const std::exception& e) {
    needs_.platform.log(std::string("statistics load, columns: ") + e.what());
    showNotice(needs_.platform.messageBoxes, DbNotice::ListsUnavailable);
    return false;
  }
  // A failed read has shown its message already; a missing file leaves the list empty.
  PresetDatabase database = officeData(needs_.platform);
  const DbRows records = database.runRecords();
  if (records.outcome == DbOutcome::Failed) {
    needs_.platform.log("statistics load: " + database.lastError());
    return false;
  }
  for (const auto& record : records.table.rows) {
    StatisticsRow row = statisticsRow(record, static_cast<int>(rows_.size()) + 1);
    List1.addItem(listLine(row, separator_));
    List2.addItem(std::to_string(row.id));
    rows_.push_back(std::move(row));
  }
  return true;
}

// The six headings, each above the start of its column in the sample line.
void StatisticsWindow::drawHeadings() {
  Picture1.Cls();
  const auto& headings = statisticsHeadings();
  const std::string sample = separatorSample(static_cast<int>(separator_.size()));
  std::size_t columnStart = 0;
  for (std::size_t i = 0; i < headings.size(); ++i) {
    Picture1.CurrentX = 25 + Picture1.TextWidth(sample.substr(0, columnStart));
    Picture1.CurrentY = 60;
    Picture1.Print(std::string(headings[i]));
    const std::size_t next = sample.find(separator_, columnStart);
    if (next == std::string::npos) break;
    columnStart = next + separator_.size();
  }
}

void StatisticsWindow::Check1_Click() {
  // The load sets the switch while it is still disabled: that value is not written back.
  if (!Check1.Enabled()) return;
  ValueStore values(needs_.platform.scriptingShell, needs_.platform.registry);
  values.writeNumber("Time_Record", Check1.Value());
  Text1.setVisible(Check1.Value() == 0);
  Timer1.setEnabled(true);
}

void StatisticsWindow::Timer1_Timer() {
  Text1.setVisible(false);
  Timer1.setEnabled(false);
}

void StatisticsWindow::Command1_Click() {
  if (List1.List().empty()) {
    timedNotice(needs_.platform, "没有记录导出", 800);
    return;
  }
  export_to_excel(needs_.platform, "sheet1", ListToArray());
}

// The export table comes from the runs as read, not from the list's text: a document name
// holding a run of blanks keeps it.
platform::AutomationTable StatisticsWindow::ListToArray() const { return exportTable(rows_); }

void StatisticsWindow::Command2_Click() { Unload(); }

void StatisticsWindow::removeLine(int index) {
  List1.removeItem(index);
  List2.removeItem(index);
  rows_.erase(rows_.begin() + index);
}

// Deletes the selected runs, from the last line up. A failure has shown its notice and ends
// the delete; the lines deleted until then stay deleted.
void StatisticsWindow::Command3_Click() {
  PresetDatabase database = officeData(needs_.platform);
  if (!database.fileExists()) return;
  const int count = static_cast<int>(List1.List().size());
  if (count == 0) {
    timedNotice(needs_.platform, "没有记录可删除", 800);
    return;
  }
  int highest = -1;
  for (int i = count - 1; i >= 0 && highest < 0; --i) {
    if (List1.Selected(i)) highest = i;
  }
  if (highest < 0) {
    timedNotice(needs_.platform,
                "请鼠标选中待删除的行\r\r同时按下shift按钮可连续多选\r\r同时按下Ctrl按钮可间隔多选",
                5000);
    return;
  }
  const int answer = needs_.platform.messageBoxes.show(
      "确定删除数据吗？", "提示", platform::mb::YesNo | platform::mb::Question);
  if (answer != platform::answer::Yes) {
    List1.SetFocus();
    return;
  }

  int deleted = 0;
  for (int i = highest; i >= 0; --i) {
    if (!List1.Selected(i)) continue;
    if (database.deleteRunRecord(rows_[static_cast<std::size_t>(i)].id) != DbOutcome::Done) {
      needs_.platform.log("statistics delete: " + database.lastError());
      return;
    }
    removeLine(i);
    ++deleted;
  }
  const int remaining = static_cast<int>(List1.List().size());
  const int next = highest - deleted < 1 ? 0 : highest - deleted;
  if (next < remaining) {
    List1.setSelected(next, true);
    List1.setListIndex(next);
  }
  List1.SetFocus();
  Command3.SetFocus();
}

// Always hands the program back to timing: automatic timing resumes its watch and re-arms the
// clock without the start sound; manual timing gets a fresh run record and an idle clock.
void StatisticsWindow::Form_Unload(bool& cancel) {
  (void)cancel;
  resumeTiming(needs_.clocks, needs_.mainWindow, false);
}

}  // namespace horalix
