#include "settings/settings_codec.h"

#include <algorithm>
#include <optional>

#include "services/hot_key_text.h"
#include "services/palette.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "settings/settings.h"

namespace horalix {

namespace {

using platform::Control;
using platform::ControlKind;

// A control of a row of the fields; no row for a character that no control stands for.
struct FlagSpot {
  ControlRow SettingsFields::*row;
  int index;
};
using Fields = SettingsFields;

// `checkvalue` characters 1 to 33, in order.
constexpr FlagSpot kCheckvalueControls[kCheckvalueLength] = {
    {&Fields::Check2, 1},  {&Fields::Check2, 2}, {&Fields::Check2, 3},  {&Fields::Check2, 4},
    {&Fields::Check2, 5},  {&Fields::Check2, 6}, {&Fields::Check1, 0},  {&Fields::Check1, 1},
    {&Fields::Check1, 2},  {&Fields::Check1, 3}, {&Fields::Check1, 4},  {&Fields::Check1, 5},
    {nullptr, -1},         {&Fields::Check3, 0}, {&Fields::Check3, 1},  {&Fields::Check3, 2},
    {&Fields::Check3, 3},  {&Fields::Check3, 4}, {&Fields::Check3, 5},  {&Fields::Check3, 6},
    {&Fields::Check3, 7},  {&Fields::Check3, 8}, {&Fields::Check4, 1},  {&Fields::Check4, 2},
    {&Fields::Check4, 3},  {&Fields::Check4, 4}, {&Fields::Check4, 5},  {&Fields::Check5, 0},
    {&Fields::Check5, 1},  {&Fields::Check5, 2}, {&Fields::Check11, 0}, {&Fields::Check11, 1},
    {&Fields::Check11, 2},
};

constexpr FlagSpot kOptvalueControls[kOptvalueLength] = {
    {&Fields::Option1, 0}, {&Fields::Option1, 1}, {&Fields::Option2, 0},
    {&Fields::Option2, 1}, {&Fields::Option2, 2}, {&Fields::Option2, 3},
    {&Fields::Option4, 0}, {&Fields::Option4, 1}, {&Fields::Option4, 2},
};

constexpr FlagSpot kAImodeControls[kAImodeLength] = {
    {&Fields::Option6, 0}, {&Fields::Option6, 1}, {&Fields::Check6, 0}, {&Fields::Check6, 1},
    {&Fields::Check6, 2},  {&Fields::Check6, 3},  {&Fields::Check6, 4}, {&Fields::Check6, 5},
};

// The sound boxes of the reminder grid in the order of `tellsoundname`.
constexpr int kSoundBoxes[] = {0, 1, 2, 3, 4, 10};

Control* controlAt(const SettingsFields& fields, FlagSpot spot) {
  return spot.row != nullptr ? &(fields.*spot.row)[spot.index] : nullptr;
}

// One character into its control: a check box takes 0, 1 or 2, an option button is selected
// by "1" and cleared by "0"; anything else leaves the control as it is.
void decodeFlag(Control& control, const std::string& character) {
  if (character.size() != 1 || character[0] < '0' || character[0] > '9') return;
  const int value = character[0] - '0';
  if (control.kind() == ControlKind::OptionButton) {
    if (value <= 1) control.setValue(value);
  } else if (value <= 2) {
    control.setValue(value);
  }
}

std::string encodeFlag(const Control& control) {
  if (control.kind() == ControlKind::OptionButton) return control.Value() != 0 ? "1" : "0";
  return std::to_string(control.Value());
}

template <typename Flag, std::size_t N>
void decodeFlags(const SettingsFields& fields, const std::string& options,
                 const FlagSpot (&table)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (Control* control = controlAt(fields, table[i]))
      decodeFlag(*control, optionChar(options, static_cast<Flag>(i + 1)));
  }
}

template <std::size_t N>
std::string encodeFlags(const SettingsFields& fields, const FlagSpot (&table)[N]) {
  std::string options;
  for (const FlagSpot& spot : table) {
    const Control* control = controlAt(fields, spot);
    options += control != nullptr ? encodeFlag(*control) : "0";
  }
  return options;
}

// A field's number converted, or `unreadable` when its text is no number or the number does
// not fit.
template <typename T, typename Convert>
T numberOr(const Control& field, T unreadable, Convert convert) {
  if (!IsNumeric(field.Text())) return unreadable;
  try {
    return convert(Val(field.Text()));
  } catch (const RuntimeError&) {
    return unreadable;
  }
}

// The whole part of a field's number.
std::int32_t wholeNumber(const Control& field, std::int32_t unreadable) {
  return numberOr(field, unreadable, [](double v) { return CLng(Int(v)); });
}

void selectStored(Control& list, const std::string& field) {
  list.setListIndex(
      validListPosition(static_cast<int>(Val(field)), static_cast<int>(list.List().size())));
}

int storedPosition(const Control& list) { return std::max(0, list.ListIndex()); }

}  // namespace

Control* controlOf(const SettingsFields& fields, CheckFlag flag) {
  return controlAt(fields, kCheckvalueControls[static_cast<int>(flag) - 1]);
}
Control* controlOf(const SettingsFields& fields, OptFlag flag) {
  return controlAt(fields, kOptvalueControls[static_cast<int>(flag) - 1]);
}
Control* controlOf(const SettingsFields& fields, AiFlag flag) {
  return controlAt(fields, kAImodeControls[static_cast<int>(flag) - 1]);
}

int validListPosition(int stored, int count) {
  if (count <= 0) return -1;
  return std::clamp(stored, 0, count - 1);
}

// In the order of the window's fill: the handlers that these values run see the values set
// before them.
void decodePresetSettings(const SettingsFields& f, const SettingsBlock& s) {
  f.Text2[1].setText(std::to_string(Hour(s.Time_all)));
  f.Text2[2].setText(std::to_string(Minute(s.Time_all)));
  f.Text2[3].setText(std::to_string(Second(s.Time_all)));
  f.Text2[4].setText(std::to_string(s.Time_one));
  f.Text2[5].setText(std::to_string(s.Time_two));
  f.Text2[6].setText(std::to_string(s.Time_three));
  f.Text2[7].setText(std::to_string(s.time_end));
  decodeFlags<CheckFlag>(f, s.checkvalue, kCheckvalueControls);
  decodeFlags<OptFlag>(f, s.optvalue, kOptvalueControls);
  decodeClockText(f, s);
  decodeClockBackground(f, s);
  selectStored(f.Combo4, fontselectPart(s.Fontselect, FontselectField::CornerIndex));
  const auto sounds = Split(s.tellsoundname, "\\");
  for (std::size_t i = 0; i < std::size(kSoundBoxes) && i < sounds.size(); ++i) {
    f.Text4[kSoundBoxes[i]].setText(sounds[i]);
  }
  f.Text4[5].setText(std::to_string(s.tellShowtime));
  f.Text4[6].setText(s.tellprocesstext);
  f.Text4[7].setText(s.tellouttext);
  f.Text4[8].setText(s.tellShowtext);
}

void decodeSettings(const SettingsFields& f, const SettingsBlock& s) {
  decodePresetSettings(f, s);
  decodeFlags<AiFlag>(f, s.AImode, kAImodeControls);
  f.Text1[18].setText(std::to_string(s.picture_width));
  f.Text1[19].setText(std::to_string(s.picture_height));
}

void decodeClockText(const SettingsFields& f, const SettingsBlock& s) {
  if (!f.Combo1.setText(s.clockFont)) f.Combo1.setText("Trebuchet MS");
  Control& colours = f.Combo3;
  selectStored(f.Combo2, fontselectPart(s.Fontselect, FontselectField::SizeIndex));
  selectStored(colours, fontselectPart(s.Fontselect, FontselectField::ColourIndex));
  const int colour = colours.ListIndex();
  f.Label10.setBackColor(
      colour >= 0 && colour < 17
          ? ColorByIndex(colour)
          : colourFromText(fontselectPart(s.Fontselect, FontselectField::ColourNumber)));
}

void decodeClockBackground(const SettingsFields& f, const SettingsBlock& s) {
  const int split = InStr(s.picturename, "\\");
  Control& picture = f.Text1[5];
  picture.setText(split > 0 ? Left(s.picturename, split - 1) : s.picturename);
  if (split > 0) picture.setBackColor(colourFromText(Mid(s.picturename, split + 1)));
}

SettingsBlock encodeSettings(const SettingsFields& f, const SettingsBlock& unreadable) {
  SettingsBlock s;
  const auto field = [&f](int index) -> const Control& { return f.Text2[index]; };
  const auto part = [&field](int index) {
    return numberOr(field(index), std::optional<std::int32_t>(),
                    [](double v) { return std::optional(CLng(Int(v))); });
  };
  const auto hours = part(1), minutes = part(2), seconds = part(3);
  s.Time_all = hours && minutes && seconds ? timeOfDayValue(*hours, *minutes, *seconds)
                                           : unreadable.Time_all;
  s.Time_one = wholeNumber(field(4), unreadable.Time_one);
  s.Time_two = wholeNumber(field(5), unreadable.Time_two);
  s.Time_three = wholeNumber(field(6), unreadable.Time_three);
  s.time_end = wholeNumber(field(7), unreadable.time_end);
  s.checkvalue = encodeFlags(f, kCheckvalueControls);
  s.optvalue = encodeFlags(f, kOptvalueControls);
  s.secondtimer = "";
  s.tellShowtime = numberOr(f.Text4[5], unreadable.tellShowtime, [](double v) { return CInt(v); });
  for (std::size_t i = 0; i < std::size(kSoundBoxes); ++i) {
    if (i > 0) s.tellsoundname += "\\";
    s.tellsoundname += f.Text4[kSoundBoxes[i]].Text();
  }
  s.tellprocesstext = f.Text4[6].Text();
  s.tellShowtext = f.Text4[8].Text();
  s.clockFont = f.Combo1.Text();
  s.Fontselect = makeFontselect(storedPosition(f.Combo2), storedPosition(f.Combo3),
                                storedPosition(f.Combo4), colourText(f.Label10.BackColor()));
  const Control& picture = f.Text1[5];
  s.picturename = picture.Text() + "\\" + colourText(picture.BackColor());
  s.AImode = encodeFlags(f, kAImodeControls);
  s.tellouttext = f.Text4[7].Text();
  s.time_left = 0;
  const auto longInteger = [](double v) { return CLng(v); };
  s.picture_width = numberOr(f.Text1[18], unreadable.picture_width, longInteger);
  s.picture_height = numberOr(f.Text1[19], unreadable.picture_height, longInteger);
  return s;
}

void decodeStoredOptions(const SettingsFields& f, const StoredOptions& o) {
  for (int i = 0; i < 6; ++i) {
    // A stored text that names no key (also "无" that a code page without it stored as "?")
    // registers nothing: it shows as "无", so that two of them are no clash at the next apply.
    const std::string key = Trim(o.hotKeys[static_cast<std::size_t>(i)]);
    f.Text3[i + 1].setText(HotkeyKeyCode(key) == 0 ? "无" : key);
  }
  f.Text2[0].setText(CStr(Val(o.add)));
  const std::string often = o.often.empty() ? "00" : o.often;
  decodeFlag(f.Check9[0], Mid(often, 1, 1));
  decodeFlag(f.Check9[1], Mid(often, 2, 1));
  const std::string light = Len(o.clocklight) == 3 ? o.clocklight : "000";
  decodeFlag(f.Check7, Mid(light, 1, 1));
  f.Combo5.setListIndex(static_cast<int>(Val(Mid(light, 2, 1))));
  f.Combo6.setListIndex(static_cast<int>(Val(Mid(light, 3, 1))));
  const double opacity = o.backlight.empty() ? 70 : Val(o.backlight);
  f.HScroll2.setValue(static_cast<int>(std::clamp(opacity, 10.0, 100.0)));
  f.Check1[6].setValue(o.secondScreen);
  f.Check1[7].setValue(o.clockCycle);
  f.Check1[8].setValue(o.openTogetherStop);
  f.Combo7.setListIndex(o.timeout);
}

StoredOptions encodeStoredOptions(const SettingsFields& f) {
  StoredOptions o;
  for (int i = 0; i < 6; ++i) o.hotKeys[static_cast<std::size_t>(i)] = f.Text3[i + 1].Text();
  o.add = f.Text2[0].Text();
  o.often = encodeFlag(f.Check9[0]) + encodeFlag(f.Check9[1]);
  o.clocklight = encodeFlag(f.Check7) + std::to_string(storedPosition(f.Combo5)) +
                 std::to_string(storedPosition(f.Combo6));
  o.backlight = std::to_string(f.HScroll2.Value());
  o.secondScreen = f.Check1[6].Value();
  o.clockCycle = f.Check1[7].Value();
  o.openTogetherStop = f.Check1[8].Value();
  o.timeout = std::max(0, f.Combo7.ListIndex());
  return o;
}

}  // namespace horalix
