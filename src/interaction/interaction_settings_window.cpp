#include "interaction/interaction_settings_window.h"

#include <array>
#include <vector>

#include "clock/clock.h"
#include "interaction/interaction.h"
#include "services/attempt.h"
#include "services/control_frame.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::ControlDesign;
using platform::ControlKind;

namespace {

constexpr std::uint32_t kFace = 0x8000000F;  // the dialog face colour
constexpr int kRowTop = 60, kRowPitch = 660;
// The frames round the text boxes mark their places only: native text boxes draw their own
// sunken edge, and a window laid over them would hide what they hold.
constexpr unsigned kShape = platform::design::kHidden;

// One preset's row, inside its frame Frame1(k). Indices are those of the first row: the
// constructor adds 4k to the Check1, Text1 and Shape1 indices and takes k for the rest. The
// frames around the text boxes come after the boxes, so that the boxes lie above them.
constexpr ControlDesign kRow[] = {
    {.kind = ControlKind::Frame,
     .name = "Frame1",
     .index = 0,
     .left = 120,
     .top = kRowTop,
     .width = 10080,
     .height = 600,
     .backColor = kFace},
    {.kind = ControlKind::Label,
     .name = "Label1",
     .index = 0,
     .left = 120,
     .top = 240,
     .width = 600,
     .height = 255,
     .caption = "互动一",
     .backColor = kFace,
     .container = "Frame1"},
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .index = 0,
     .left = 780,
     .top = 210,
     .width = 1215,
     .height = 300,
     .caption = "倒计时时长",
     .backColor = kFace,
     .tabIndex = 0,
     .container = "Frame1"},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 0,
     .left = 2040,
     .top = 195,
     .width = 450,
     .height = 300,
     .caption = "0",
     .tabIndex = 1,
     .container = "Frame1"},
    {.kind = ControlKind::Label,
     .name = "Label2",
     .index = 0,
     .left = 2520,
     .top = 240,
     .width = 240,
     .height = 255,
     .caption = "分",
     .backColor = kFace,
     .container = "Frame1"},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 1,
     .left = 2790,
     .top = 195,
     .width = 450,
     .height = 300,
     .caption = "0",
     .tabIndex = 2,
     .container = "Frame1"},
    {.kind = ControlKind::Label,
     .name = "Label3",
     .index = 0,
     .left = 3270,
     .top = 240,
     .width = 240,
     .height = 255,
     .caption = "秒",
     .backColor = kFace,
     .container = "Frame1"},
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .index = 3,
     .left = 3540,
     .top = 210,
     .width = 255,
     .height = 300,
     .backColor = kFace,
     .tabIndex = 3,
     .container = "Frame1"},
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .index = 1,
     .left = 3900,
     .top = 210,
     .width = 1650,
     .height = 300,
     .caption = "运行自动倒计时",
     .backColor = kFace,
     .tabIndex = 4,
     .container = "Frame1"},
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .index = 2,
     .left = 5640,
     .top = 210,
     .width = 495,
     .height = 300,
     .caption = "余",
     .backColor = kFace,
     .tabIndex = 5,
     .container = "Frame1"},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 2,
     .left = 6150,
     .top = 195,
     .width = 450,
     .height = 300,
     .caption = "0",
     .tabIndex = 6,
     .container = "Frame1"},
    {.kind = ControlKind::Label,
     .name = "Label4",
     .index = 0,
     .left = 6660,
     .top = 240,
     .width = 1380,
     .height = 255,
     .caption = "秒提醒    声音",
     .backColor = kFace,
     .container = "Frame1"},
    {.kind = ControlKind::TextBox,
     .name = "Text1",
     .index = 3,
     .left = 8070,
     .top = 195,
     .width = 1350,
     .height = 300,
     .tabIndex = 7,
     .container = "Frame1"},
    {.kind = ControlKind::CommandButton,
     .name = "Command1",
     .index = 0,
     .left = 9480,
     .top = 195,
     .width = 420,
     .height = 300,
     .caption = "..",
     .tabIndex = 8,
     .container = "Frame1"},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 0, .borderStyle = 1, .flags = kShape},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 1, .borderStyle = 1, .flags = kShape},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 2, .borderStyle = 1, .flags = kShape},
    {.kind = ControlKind::Label, .name = "Shape1", .index = 3, .borderStyle = 1, .flags = kShape},
};

constexpr const char* kRowHeadings[] = {"互动一", "互动二", "互动三", "互动四", "互动五"};

// The shared display and the window's commands.
constexpr ControlDesign kShared[] = {
    {.kind = ControlKind::Frame,
     .name = "Frame2",
     .left = 120,
     .top = 3420,
     .width = 10080,
     .height = 720,
     .caption = "显示设置",
     .backColor = kFace},
    {.kind = ControlKind::Label,
     .name = "Label5",
     .left = 240,
     .top = 330,
     .width = 480,
     .height = 255,
     .caption = "字体",
     .backColor = kFace,
     .container = "Frame2"},
    {.kind = ControlKind::ComboBox,
     .name = "Combo1",
     .left = 720,
     .top = 270,
     .width = 2100,
     .height = 300,
     .tabIndex = 60,
     .container = "Frame2"},
    {.kind = ControlKind::Label,
     .name = "Label6",
     .left = 3060,
     .top = 330,
     .width = 480,
     .height = 255,
     .caption = "大小",
     .backColor = kFace,
     .container = "Frame2"},
    {.kind = ControlKind::ComboBox,
     .name = "Combo2",
     .left = 3540,
     .top = 270,
     .width = 1000,
     .height = 300,
     .tabIndex = 61,
     .container = "Frame2"},
    {.kind = ControlKind::Label,
     .name = "Label7",
     .left = 4800,
     .top = 330,
     .width = 480,
     .height = 255,
     .caption = "颜色",
     .backColor = kFace,
     .container = "Frame2"},
    {.kind = ControlKind::ComboBox,
     .name = "Combo3",
     .left = 5280,
     .top = 270,
     .width = 1300,
     .height = 300,
     .tabIndex = 62,
     .container = "Frame2"},
    {.kind = ControlKind::CheckBox,
     .name = "Check1",
     .index = InteractionSettingsWindow::kFlashBox,
     .left = 6840,
     .top = 270,
     .width = 1400,
     .height = 300,
     .caption = "提醒闪烁",
     .backColor = kFace,
     .tabIndex = 63,
     .container = "Frame2"},
    {.kind = ControlKind::OptionButton,
     .name = "Option1",
     .index = 0,
     .left = 240,
     .top = 4380,
     .width = 900,
     .height = 300,
     .caption = "全选",
     .backColor = kFace,
     .tabIndex = 64},
    {.kind = ControlKind::OptionButton,
     .name = "Option1",
     .index = 1,
     .left = 1200,
     .top = 4380,
     .width = 1100,
     .height = 300,
     .caption = "全不选",
     .backColor = kFace,
     .tabIndex = 65},
    {.kind = ControlKind::Label,
     .name = "Lab_help",
     .left = 2640,
     .top = 4425,
     .width = 600,
     .height = 255,
     .caption = "帮助",
     .foreColor = 0xFF0000,
     .backColor = kFace},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_OK",
     .left = 6840,
     .top = 4320,
     .width = 1455,
     .height = 420,
     .caption = "应用",
     .tabIndex = 66},
    {.kind = ControlKind::CommandButton,
     .name = "Cmd_exit",
     .left = 8520,
     .top = 4320,
     .width = 1455,
     .height = 420,
     .caption = "关闭",
     .tabIndex = 67},
};

// Adds the five rows, each from kRow with its own indices, place and heading.
platform::Form& addRows(platform::Form& form) {
  for (int k = 0; k < InteractionSettingsWindow::kPresets; ++k) {
    std::array<ControlDesign, std::size(kRow)> row;
    std::copy(std::begin(kRow), std::end(kRow), row.begin());
    for (ControlDesign& d : row) {
      const bool perBox = d.name == "Check1" || d.name == "Text1" || d.name == "Shape1";
      d.index = perBox ? d.index + 4 * k : k;
      if (!d.container.empty()) d.containerIndex = k;
      if (d.tabIndex >= 0) d.tabIndex += 10 * k;
      if (d.name == "Frame1") d.top = kRowTop + k * kRowPitch;
      if (d.name == "Label1") d.caption = kRowHeadings[k];
    }
    form.addControls(row);
  }
  return form;
}

}  // namespace

platform::OwnedForm<InteractionSettingsWindow> makeInteractionSettingsWindow(
    InteractionNeeds& needs) {
  return platform::OwnedForm<InteractionSettingsWindow>::build(needs);
}

const char* const InteractionSettingsWindow::kOnlineArticle =
    "https://horalix.example/help/interaction.htm";

InteractionSettingsWindow::InteractionSettingsWindow(InteractionNeeds& needs)
    : Form(needs.platform.forms, "Frm_hudong_set"),
      Combo1((addRows(*this).addControls(kShared), control("Combo1"))),
      Combo2(control("Combo2")),
      Combo3(control("Combo3")),
      Cmd_OK(control("Cmd_OK")),
      Cmd_exit(control("Cmd_exit")),
      Lab_help(control("Lab_help")),
      Check1(binding(), "Check1"),
      Text1(binding(), "Text1"),
      Command1(binding(), "Command1"),
      Shape1(binding(), "Shape1"),
      Option1(binding(), "Option1"),
      Timer1(addTimer("Timer1", 200, true)),
      needs_(needs) {
  setCaption("互动计时");
  setBorderStyle(3);
  setClientSize(10320, 4920);
  for (int i = 0; i <= kFlashBox; ++i) Check1[i].Click = [this, i] { Check1_Click(i); };
  for (int i = 0; i < 4 * kPresets; ++i) Text1[i].Change = [this, i] { Text1_Change(i); };
  for (int k = 0; k < kPresets; ++k) Command1[k].Click = [this, k] { Command1_Click(k); };
  for (int i = 0; i < 2; ++i) Option1[i].Click = [this, i] { Option1_Click(i); };
  Combo3.Click = [this] { Combo3_Click(); };
  Cmd_OK.Click = [this] { Cmd_OK_Click(); };
  Cmd_exit.Click = [this] { Cmd_exit_Click(); };
  Lab_help.MouseDown = [this](int, int Shift, float, float) { ctrlAtHelpPress_ = Shift & 2; };
  Lab_help.Click = [this] {
    Lab_help_Click(ctrlAtHelpPress_);
    ctrlAtHelpPress_ = false;
  };
  Timer1.onTick = [this] { Timer1_Timer(); };
}

platform::Control& InteractionSettingsWindow::rowBox(int k, InteractionFlag flag) {
  if (flag == InteractionFlag::ReminderBlink) return Check1[kFlashBox];
  return Check1[4 * k + static_cast<int>(flag) - 1];
}

// Each step goes on after a failing one. The window starts as designed and is filled from the
// stored presets alone: nothing of an earlier opening is left, as in a newly created window.
void InteractionSettingsWindow::Form_Load() {
  // The clock would otherwise stand over the window while the user edits it.
  attempt(needs_.platform.log, "Frm_hudong_set load",
          [&] { needs_.platform.desktop.sendToBottom(needs_.floatingClock); });
  Combo3.setEnabled(false);
  previousColour = 0;
  const PresetFile file{needs_.platform.files, iniPath(needs_.platform)};
  InteractionSettingsEntry last;
  for (int k = 0; k < kPresets; ++k) {
    attempt(needs_.platform.log, "Frm_hudong_set load", [&] {
      last = readInteractionSettingsEntry(file, k + 1);
      for (InteractionFlag flag : {InteractionFlag::InUse, InteractionFlag::AutoStart,
                                   InteractionFlag::ReminderSound, InteractionFlag::FourthBox}) {
        rowBox(k, flag).setValue(interactionFlagOn(last.checkvalue, flag) ? 1 : 0);
      }
      const std::vector<std::string> time = Split(last.sname, ":");
      auto number = [](const std::vector<std::string>& fields, std::size_t i) {
        return CStr(static_cast<long long>(i < fields.size() ? Val(fields[i]) : 0));
      };
      rowText(k, RowField::Minutes).setText(number(time, 1));
      rowText(k, RowField::Seconds).setText(number(time, 2));
      rowText(k, RowField::ReminderSeconds).setText(CStr(static_cast<long long>(Val(last.Ttime))));
      rowText(k, RowField::Sound).setText(last.soundname);
    });
  }
  attempt(needs_.platform.log, "Frm_hudong_set load", [&] { fillLists(); });
  attempt(needs_.platform.log, "Frm_hudong_set load",
          [&] { showDisplaySelection(last.Fontselect, last.checkvalue); });
  for (int k = 0; k < kPresets; ++k) Check1_Click(4 * k);
  for (int i = 0; i < 4 * kPresets; ++i) FrameControl(Shape1[i], Text1[i]);
  Combo3.setEnabled(true);
}

void InteractionSettingsWindow::Timer1_Timer() { needs_.run.holdOff = 30; }

}  // namespace horalix
