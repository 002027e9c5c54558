// The names of the characters of the option strings of the settings record. `checkvalue`,
// `optvalue` and `AImode` are strings of one-character flags, `Fontselect` a string of
// fixed-width fields; every reader and writer addresses a character or field by its name here,
// never by a number. The strings themselves stay as they are stored (registry, preset rows).
#pragma once

#include <string>
#include <string_view>

namespace horalix {

// `checkvalue` (33 characters "0"/"1"), 1-based positions. Rows of the reminder grid: Start,
// Alarm1..3, Overtime and End; columns Flash, Bar (the prompt bar text) and Sound.
enum class CheckFlag : int {
  TimedDuration = 1,       // "计时时长": reminders on; master switch of the alarm rows
  Alarm1 = 2,              // "报警1余"
  Alarm2 = 3,              // "报警2余"
  Alarm3 = 4,              // "报警3余"
  OvertimeLimit = 5,       // "超时 … 秒停止计时"
  ContinuousReminder = 6,  // "持续提醒"
  SmartTiming = 7,         // "智能计时": go on with the last run of the same document
  SettingsAllowed = 8,     // "计时设置": settings and presets reachable while counting
  PauseAllowed = 9,        // "暂停计时"
  KeepTimeText = 10,       // "不切换时间"
  HideWhenIdle = 11,       // "不计时隐藏"
  TransparentBack = 12,    // "透明背景"; "0" takes the back picture's size from its file
  Unused13 = 13,           // always "0"
  FlashStart = 14,
  FlashAlarm1 = 15,
  FlashAlarm2 = 16,
  FlashAlarm3 = 17,
  FlashOvertime = 18,
  BarAlarm1 = 19,
  BarAlarm2 = 20,
  BarAlarm3 = 21,
  BarOvertime = 22,
  SoundStart = 23,
  SoundAlarm1 = 24,
  SoundAlarm2 = 25,
  SoundAlarm3 = 26,
  SoundOvertime = 27,
  ScreenTranslucent = 28,  // "屏幕半透明" at the end
  ScreenBlack = 29,        // "屏幕黑屏"
  ScreenWhite = 30,        // "屏幕白屏"
  EndSound = 31,
  EndFlash = 32,
  EndPrompt = 33,  // the time-up prompt with `tellouttext`
};
inline constexpr int kCheckvalueLength = 33;

// `optvalue` (9 characters): three groups, exactly one "1" in each.
enum class OptFlag : int {
  CountDown = 1,          // "倒计时"
  CountUp = 2,            // "正计时"
  FormatSeconds = 3,      // "59(秒)"
  FormatMinutes = 4,      // "59:59(分秒)"
  FormatHours = 5,        // "23:59:59(时分秒)"
  FormatDays = 6,         // "3天23:59:59(天时分秒)"
  AfterZeroOvertime = 7,  // "超时计时"
  AfterZeroStop = 8,      // "停止计时"
  AfterZeroCycle = 9,     // "循环计时"
};
inline constexpr int kOptvalueLength = 9;

// `AImode` (8 characters).
enum class AiFlag : int {
  Manual = 1,     // "手动计时"
  Automatic = 2,  // "自动计时": the program's automatic mode
  Word = 3,
  Excel = 4,
  SlideShow = 5,
  Pdf = 6,
  Ppt = 7,  // presentations being edited
  Cad = 8,
};
inline constexpr int kAImodeLength = 8;

// Character `flag` of the string ("" when the string is too short), as stored.
std::string optionChar(const std::string& options, CheckFlag flag);
std::string optionChar(const std::string& options, OptFlag flag);
std::string optionChar(const std::string& options, AiFlag flag);

// Whether character `flag` is "1".
bool optionOn(const std::string& options, CheckFlag flag);
bool optionOn(const std::string& options, OptFlag flag);
bool optionOn(const std::string& options, AiFlag flag);

// Sets character `flag` to "1" or "0"; a string too short is first padded with "0".
void setOption(std::string& options, CheckFlag flag, bool on);
void setOption(std::string& options, OptFlag flag, bool on);
void setOption(std::string& options, AiFlag flag, bool on);

// The flags of one reminder stage (0 the start, 1 to 3 the alarms, 4 zero and overtime): the
// row's switch (alarms and zero only), its flash, prompt-bar (not at the start) and sound.
CheckFlag stageSwitch(int stage);
CheckFlag stageFlash(int stage);
CheckFlag stageBar(int stage);
CheckFlag stageSound(int stage);

// `Fontselect` ("1060602\65280"): "1", three two-digit list positions, "\" and a colour number.
enum class FontselectField {
  Lead,          // always "1"
  SizeIndex,     // font-size list position (two digits)
  ColourIndex,   // colour list position (two digits; 17 = the custom colour that follows)
  CornerIndex,   // corner-radius list position (two digits)
  Separator,     // "\"
  ColourNumber,  // the text colour as a decimal number, to the end of the string
};

// The field's text as stored ("" or shorter when the string is too short).
std::string fontselectPart(const std::string& fontselect, FontselectField field);

// Builds a `Fontselect` from its three list positions (two digits each) and colour number.
std::string makeFontselect(int sizeIndex, int colourIndex, int cornerIndex,
                           std::string_view colourNumber);

}  // namespace horalix
