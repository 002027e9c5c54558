#include "settings/settings_design.h"

#include <string_view>

#include "platform/forms.h"

namespace horalix {

using platform::ControlDesign;
using platform::ControlKind;
namespace design = platform::design;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kFace = 0x8000000F;  // the dialog face colour, as the tab pictures

// One row of the table: kind, name, index, place and size inside the container, caption.
constexpr ControlDesign row(ControlKind kind, std::string_view name, int index, int left, int top,
                            int width, int height, std::string_view caption,
                            std::string_view container = {}, int containerIndex = -1,
                            unsigned flags = 0) {
  return {.kind = kind,
          .name = name,
          .index = index,
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .caption = caption,
          .backColor = kWhite,
          .flags = flags,
          .container = container,
          .containerIndex = containerIndex};
}

constexpr ControlDesign check(std::string_view name, int index, int left, int top, int width,
                              std::string_view caption, std::string_view container, int value = 0) {
  ControlDesign d =
      row(ControlKind::CheckBox, name, index, left, top, width, 270, caption, container);
  d.value = value;
  return d;
}

// The hint shown while the mouse rests on the control.
constexpr ControlDesign withTip(ControlDesign d, std::string_view tip) {
  d.toolTipText = tip;
  return d;
}

constexpr ControlDesign option(std::string_view name, int index, int left, int top, int width,
                               std::string_view caption, std::string_view container) {
  return row(ControlKind::OptionButton, name, index, left, top, width, 270, caption, container);
}

constexpr ControlDesign label(std::string_view name, int index, int left, int top, int width,
                              std::string_view caption, std::string_view container,
                              unsigned flags = 0) {
  return row(ControlKind::Label, name, index, left, top + 30, width, 240, caption, container, -1,
             flags);
}

constexpr ControlDesign text(std::string_view name, int index, int left, int top, int width,
                             std::string_view caption, std::string_view container,
                             unsigned flags = 0) {
  ControlDesign d =
      row(ControlKind::TextBox, name, index, left, top, width, 285, caption, container, -1, flags);
  d.borderStyle = 1;
  return d;
}

// A spin bar beside a number field: its value runs from 0 to `max`.
constexpr ControlDesign spin(int index, int left, int top, std::string_view container, int min,
                             int max, int value) {
  ControlDesign d =
      row(ControlKind::VScrollBar, "VScrol1", index, left, top, 240, 285, "", container);
  d.min = min;
  d.max = max;
  d.value = value;
  return d;
}

constexpr ControlDesign list(std::string_view name, int left, int top, int width,
                             std::string_view container) {
  return row(ControlKind::ComboBox, name, -1, left, top, width, 300, "", container, -1,
             design::kDropdownList);
}

constexpr ControlDesign holder(ControlKind kind, std::string_view name, int left, int top,
                               int width, int height, std::string_view caption = {}) {
  return row(kind, name, -1, left, top, width, height, caption);
}

constexpr ControlDesign inside(ControlKind kind, std::string_view name, int left, int top,
                               int width, int height, std::string_view container) {
  return row(kind, name, -1, left, top, width, height, {}, container);
}

constexpr ControlDesign hidden(ControlDesign d) {
  d.flags |= design::kHidden;
  return d;
}

// The tabs stand side by side over the pages, each with its caption on a label.
constexpr ControlDesign tab(int index) {
  return row(ControlKind::Image, "Image2", index, 300 + (index - 1) * 1050, 45, 1000, 375, {});
}

constexpr ControlDesign tabLabel(int index, std::string_view caption) {
  ControlDesign d = row(ControlKind::Label, "Lab_Tab", index, 300 + (index - 1) * 1050 + 260, 130,
                        480, 240, caption);
  d.backColor = kFace;
  return d;
}

constexpr ControlKind F = ControlKind::Frame;
constexpr ControlKind P = ControlKind::PictureBox;

// Rows of the reminder grid, 400 twips apart.
constexpr int gridRow(int r) { return 300 + r * 380; }

constexpr ControlDesign kDesign[] = {
    // The time-limit rows.
    holder(F, "Frame1", 300, 535, 4800, 2880, "限时"),
    inside(P, "Picture2", 120, 220, 4500, 285, "Frame1"),
    option("Option1", 0, 0, 0, 1200, "倒计时", "Picture2"),
    option("Option1", 1, 1300, 0, 1200, "正计时", "Picture2"),
    check("Check2", 1, 120, 520, 1250, "计时时长", "Frame1", 1),
    text("Text2", 1, 1400, 510, 500, "0", "Frame1"),
    spin(1, 1900, 510, "Frame1", 0, 23, 23),
    label("Label1", 1, 2160, 510, 300, "时", "Frame1"),
    text("Text2", 2, 2450, 510, 500, "0", "Frame1"),
    spin(2, 2950, 510, "Frame1", 0, 59, 59),
    label("Label1", 2, 3210, 510, 300, "分", "Frame1"),
    text("Text2", 3, 3500, 510, 500, "0", "Frame1"),
    spin(3, 4000, 510, "Frame1", 0, 59, 59),
    label("Label1", 3, 4260, 510, 300, "秒", "Frame1"),
    check("Check2", 2, 120, 820, 1250, "报警1余", "Frame1", 1),
    text("Text2", 4, 1400, 810, 700, "60", "Frame1"),
    spin(4, 2100, 810, "Frame1", 1, 9999, 9940),
    label("Label1", 4, 2360, 810, 300, "秒", "Frame1"),
    check("Check2", 3, 120, 1120, 1250, "报警2余", "Frame1", 1),
    text("Text2", 5, 1400, 1110, 700, "60", "Frame1"),
    spin(5, 2100, 1110, "Frame1", 1, 9999, 9940),
    label("Label1", 5, 2360, 1110, 300, "秒", "Frame1"),
    check("Check2", 4, 120, 1420, 1250, "报警3余", "Frame1", 1),
    text("Text2", 6, 1400, 1410, 700, "60", "Frame1"),
    spin(6, 2100, 1410, "Frame1", 1, 9999, 9940),
    label("Label1", 6, 2360, 1410, 300, "秒", "Frame1"),
    check("Check2", 6, 2800, 1420, 1400, "持续提醒", "Frame1", 1),
    check("Check2", 5, 120, 1720, 800, "超时", "Frame1", 1),
    text("Text2", 7, 950, 1710, 700, "0", "Frame1"),
    spin(7, 1650, 1710, "Frame1", 0, 9999, 9999),
    label("Label1", 7, 1910, 1710, 1300, "秒停止计时", "Frame1"),
    inside(P, "Picture4", 120, 2020, 4500, 285, "Frame1"),
    option("Option4", 0, 0, 0, 1400, "超时计时", "Picture4"),
    option("Option4", 1, 1500, 0, 1400, "停止计时", "Picture4"),
    option("Option4", 2, 3000, 0, 1400, "循环计时", "Picture4"),
    check("Check5", 0, 120, 2320, 1450, "屏幕半透明", "Frame1", 1),
    check("Check5", 1, 1650, 2320, 1400, "屏幕黑屏", "Frame1"),
    check("Check5", 2, 3150, 2320, 1400, "屏幕白屏", "Frame1"),
    check("Check1", 1, 120, 2600, 1400, "计时设置", "Frame1", 1),
    withTip(check("Check1", 2, 1650, 2600, 1400, "暂停计时", "Frame1"),
            "选中计时中可暂停(按热键或时钟右键单击执行暂停/继续命令)"),
    check("Check1", 3, 3150, 2600, 1500, "不切换时间", "Frame1", 1),
    // The display format.
    holder(P, "Picture8", 300, 3680, 4800, 520),
    option("Option2", 0, 120, 0, 2000, "59(秒)", "Picture8"),
    option("Option2", 1, 2520, 0, 2200, "59:59(分秒)", "Picture8"),
    option("Option2", 2, 120, 250, 2200, "23:59:59(时分秒)", "Picture8"),
    option("Option2", 3, 2520, 250, 2250, "3天23:59:59(天时分秒)", "Picture8"),

    // The reminder grid: rows start, alarms 1-3, overtime and end; columns sound, flash, text.
    hidden(holder(P, "Picture7", 300, 535, 4800, 3000)),
    label("Label2", 0, 900, 0, 600, "声音", "Picture7"),
    label("Label2", 1, 2640, 0, 600, "闪烁", "Picture7"),
    label("Label2", 2, 3240, 0, 600, "文字", "Picture7"),
    label("Label3", 0, 60, gridRow(0), 700, "开始", "Picture7"),
    label("Label3", 1, 60, gridRow(1), 700, "报警1", "Picture7"),
    label("Label3", 2, 60, gridRow(2), 700, "报警2", "Picture7"),
    label("Label3", 3, 60, gridRow(3), 700, "报警3", "Picture7"),
    label("Label3", 4, 60, gridRow(4), 700, "超时", "Picture7"),
    label("Label3", 5, 60, gridRow(5), 700, "结束", "Picture7"),
    check("Check4", 1, 780, gridRow(0), 240, "", "Picture7", 1),
    check("Check4", 2, 780, gridRow(1), 240, "", "Picture7", 1),
    check("Check4", 3, 780, gridRow(2), 240, "", "Picture7", 1),
    check("Check4", 4, 780, gridRow(3), 240, "", "Picture7", 1),
    check("Check4", 5, 780, gridRow(4), 240, "", "Picture7", 1),
    check("Check11", 0, 780, gridRow(5), 240, "", "Picture7", 1),
    text("Text4", 0, 1050, gridRow(0), 1500, "start.wav", "Picture7", design::kLocked),
    text("Text4", 1, 1050, gridRow(1), 1500, "Timeout.wav", "Picture7", design::kLocked),
    text("Text4", 2, 1050, gridRow(2), 1500, "Timeout.wav", "Picture7", design::kLocked),
    text("Text4", 3, 1050, gridRow(3), 1500, "Timeout.wav", "Picture7", design::kLocked),
    text("Text4", 4, 1050, gridRow(4), 1500, "Stop.wav", "Picture7", design::kLocked),
    text("Text4", 10, 1050, gridRow(5), 1500, "Stop.wav", "Picture7", design::kLocked),
    check("Check3", 0, 2700, gridRow(0), 240, "", "Picture7", 1),
    check("Check3", 1, 2700, gridRow(1), 240, "", "Picture7", 1),
    check("Check3", 2, 2700, gridRow(2), 240, "", "Picture7", 1),
    check("Check3", 3, 2700, gridRow(3), 240, "", "Picture7", 1),
    check("Check3", 4, 2700, gridRow(4), 240, "", "Picture7", 1),
    check("Check11", 1, 2700, gridRow(5), 240, "", "Picture7"),
    check("Check3", 5, 3300, gridRow(1), 240, "", "Picture7", 1),
    check("Check3", 6, 3300, gridRow(2), 240, "", "Picture7", 1),
    check("Check3", 7, 3300, gridRow(3), 240, "", "Picture7", 1),
    check("Check3", 8, 3300, gridRow(4), 240, "", "Picture7", 1),
    check("Check11", 2, 3300, gridRow(5), 240, "", "Picture7", 1),
    text("Text4", 8, 3600, gridRow(4), 1150, "", "Picture7"),
    text("Text4", 7, 3600, gridRow(5), 1150, "", "Picture7"),
    label("Label4", 0, 60, 2620, 500, "持续", "Picture7"),
    text("Text4", 5, 560, 2620, 450, "3", "Picture7"),
    label("Label4", 1, 1050, 2620, 300, "秒", "Picture7"),
    label("Label4", 2, 1500, 2620, 900, "提示文字", "Picture7"),
    text("Text4", 6, 2400, 2620, 2350, "您的发言", "Picture7"),

    // Further options of the clock.
    hidden(holder(P, "Picture13", 300, 4050, 4800, 2330)),
    check("Check1", 4, 60, 0, 1500, "不计时隐藏", "Picture13"),
    check("Check1", 5, 1600, 0, 1400, "透明背景", "Picture13"),
    check("Check1", 6, 3100, 0, 1500, "副屏显示", "Picture13"),
    check("Check1", 7, 60, 350, 3000, "按时钟名称顺序循环计时", "Picture13"),
    check("Check1", 8, 3100, 350, 1700, "开始/停止热键相同", "Picture13"),
    check("Check8", 0, 60, 700, 1600, "提示文本调整", "Picture13"),
    label("Label6", -1, 1800, 700, 900, "副屏字大", "Picture13"),
    text("Text2", 0, 2700, 700, 500, "0", "Picture13"),
    spin(0, 3200, 700, "Picture13", 0, 100, 100),
    label("Label7", -1, 60, 1050, 1000, "常用热键", "Picture13"),
    check("Check9", 0, 1100, 1050, 800, "Ctrl", "Picture13"),
    check("Check9", 1, 2000, 1050, 800, "Alt", "Picture13"),
    label("Label8", -1, 60, 1400, 900, "超时负号", "Picture13"),
    list("Combo7", 1000, 1380, 2000, "Picture13"),
    // The overtime colours, shown for the overtime display "变色".
    label("Label12", 0, 3050, 1380, 400, "字体", "Picture13", design::kHidden),
    text("Text6", 0, 3450, 1380, 300, "", "Picture13", design::kLocked | design::kHidden),
    label("Label12", 1, 3800, 1380, 400, "背景", "Picture13", design::kHidden),
    text("Text6", 1, 4200, 1380, 300, "", "Picture13", design::kLocked | design::kHidden),
    check("Check10", -1, 3300, 1050, 1450, "屏幕保护色", "Picture13"),
    // Where the second screen's clock or prompt bar stands; the bars show while it is in use.
    row(F, "Frame3", -1, 60, 1720, 4700, 600, "副屏位置", "Picture13"),
    row(ControlKind::HScrollBar, "HScroll1", -1, 120, 280, 3000, 255, "", "Frame3", -1,
        design::kHidden),
    row(ControlKind::VScrollBar, "VScroll1", -1, 3300, 180, 255, 400, "", "Frame3", -1,
        design::kHidden),

    // The clock's look.
    holder(P, "Picture12", 300, 6680, 4800, 1300),
    label("Label9", 0, 60, 0, 500, "字体", "Picture12"),
    list("Combo1", 560, 0, 1700, "Picture12"),
    label("Label9", 1, 2400, 0, 500, "字号", "Picture12"),
    list("Combo2", 2900, 0, 900, "Picture12"),
    label("Label9", 2, 60, 420, 500, "颜色", "Picture12"),
    list("Combo3", 560, 420, 1100, "Picture12"),
    row(ControlKind::Label, "Label10", -1, 1700, 440, 400, 260, "", "Picture12", -1, 0),
    label("Label1", 18, 2400, 420, 500, "圆角", "Picture12"),
    list("Combo4", 2900, 420, 900, "Picture12"),
    label("Label1", 17, 60, 840, 800, "自选背景", "Picture12"),
    text("Text1", 5, 880, 840, 1080, "", "Picture12", design::kLocked),
    row(ControlKind::CommandButton, "Command3", 1, 1980, 840, 330, 285, "..", "Picture12"),
    text("Text1", 18, 2400, 840, 700, "0", "Picture12"),
    text("Text1", 19, 3200, 840, 700, "0", "Picture12"),

    // The timing mode.
    hidden(holder(P, "Picture6", 300, 535, 4800, 1300)),
    label("Label11", -1, 60, 0, 1000, "模式设置", "Picture6"),
    option("Option6", 0, 1100, 0, 1300, "手动计时", "Picture6"),
    option("Option6", 1, 2500, 0, 1300, "自动计时", "Picture6"),
    check("Check1", 0, 60, 380, 1300, "智能计时", "Picture6"),
    check("Check6", 0, 1400, 380, 1000, "Word", "Picture6", 1),
    check("Check6", 1, 2500, 380, 1000, "Excel", "Picture6", 1),
    check("Check6", 2, 3500, 380, 1300, "幻灯片演示", "Picture6", 1),
    check("Check6", 3, 1400, 760, 1000, "pdf", "Picture6", 1),
    check("Check6", 4, 2500, 760, 1000, "PPT", "Picture6"),
    check("Check6", 5, 3500, 760, 1000, "CAD", "Picture6", 1),

    // The hot keys.
    hidden(holder(P, "Picture10", 300, 3650, 4800, 2000)),
    label("Label12", -1, 60, 0, 3000, "(直接按键可修改热键)", "Picture10"),
    label("Label13", 1, 60, 350, 900, "开始", "Picture10"),
    text("Text3", 1, 1000, 350, 1350, "无", "Picture10", design::kLocked),
    label("Label13", 2, 2450, 350, 900, "暂停/继续", "Picture10"),
    text("Text3", 2, 3400, 350, 1350, "无", "Picture10", design::kLocked),
    label("Label13", 3, 60, 750, 900, "停止", "Picture10"),
    text("Text3", 3, 1000, 750, 1350, "无", "Picture10", design::kLocked),
    label("Label13", 4, 2450, 750, 900, "隐藏/显示", "Picture10"),
    text("Text3", 4, 3400, 750, 1350, "无", "Picture10", design::kLocked),
    label("Label13", 5, 60, 1150, 900, "聚光灯", "Picture10"),
    text("Text3", 5, 1000, 1150, 1350, "无", "Picture10", design::kLocked),
    label("Label13", 6, 2450, 1150, 900, "动态亮度", "Picture10"),
    text("Text3", 6, 3400, 1150, 1350, "无", "Picture10", design::kLocked),
    label("Label15", -1, 60, 1600, 900, "计时方法", "Picture10"),
    withTip(list("Combo9", 1000, 1580, 1350, "Picture10"),
            "当不流程调整至计时流程(计时流程无须调整)"),
    row(ControlKind::CommandButton, "Command5", -1, 3400, 1560, 1350, 360, "程序修复", "Picture10"),

    // The spotlights.
    hidden(holder(P, "Picture11", 300, 6680, 4800, 1100)),
    check("Check7", -1, 60, 0, 1300, "边缘模糊", "Picture11"),
    label("Label14", 0, 1500, 0, 500, "大小", "Picture11"),
    list("Combo5", 2000, 0, 900, "Picture11"),
    label("Label14", 1, 3000, 0, 500, "外形", "Picture11"),
    list("Combo6", 3500, 0, 900, "Picture11"),
    label("Label14", 2, 60, 450, 500, "背景", "Picture11"),
    {.kind = ControlKind::HScrollBar,
     .name = "HScroll2",
     .left = 600,
     .top = 450,
     .width = 2300,
     .height = 255,
     .container = "Picture11",
     .min = 10,
     .max = 100,
     .value = 70},
    label("Label5", -1, 3000, 450, 1500, "70％不透明", "Picture11"),

    // The way to the preset manager: its picture and the label beside it.
    holder(ControlKind::Image, "Image1", 1300, 8120, 420, 420),
    holder(ControlKind::Label, "Label30", 1780, 8210, 1000, 240, "特殊计时"),

    // The tabs over the pages, their three pictures, and the frames and titles of the blocks.
    tab(1),
    tab(2),
    tab(3),
    hidden(tab(4)),
    hidden(tab(5)),
    hidden(tab(6)),
    tabLabel(1, "限时"),
    tabLabel(2, "提醒"),
    tabLabel(3, "系统"),
    hidden(tabLabel(4, "系统")),
    hidden(tabLabel(5, "聚光灯")),
    hidden(tabLabel(6, "模式设置")),
    hidden(row(ControlKind::Image, "Image3", 1, 0, 0, 1000, 400, "")),
    hidden(row(ControlKind::Image, "Image3", 2, 0, 0, 1000, 400, "")),
    hidden(row(ControlKind::Image, "Image3", 3, 0, 0, 1000, 400, "")),
    row(ControlKind::Shape, "Shape1", 14, 240, 440, 4920, 3010, ""),
    row(ControlKind::Shape, "Shape1", 0, 240, 3550, 4920, 600, ""),
    row(ControlKind::Shape, "Shape1", 15, 2700, 3550, 15, 600, ""),
    row(ControlKind::Shape, "Shape1", 16, 240, 3850, 4920, 15, ""),
    label("Label1", 8, 360, 3420, 500, "格式", {}),
    label("Label1", 10, 360, 6420, 700, "时钟", {}),

    {.kind = ControlKind::Label,
     .name = "Lab_help",
     .left = 300,
     .top = 8200,
     .width = 500,
     .height = 240,
     .caption = "帮助",
     .foreColor = 0xFF0000,
     .backColor = kWhite},
    row(ControlKind::CommandButton, "Command1", -1, 3000, 8120, 1000, 420, "应用"),
    row(ControlKind::CommandButton, "Command2", -1, 4100, 8120, 1000, 420, "关闭"),
};

}  // namespace

std::span<const ControlDesign> settingsDesign() { return kDesign; }

}  // namespace horalix
