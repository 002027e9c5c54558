#include "settings/settings_codec.h"

#include <algorithm>
#include <optional>

#include "services/hot_key_text.h"
#include "services/palette.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

using platform::Control;
using platform::ControlKind;
using platform::Form;

// `checkvalue` characters 1 to 33, in order.
constexpr ControlRef kCheckvalueControls[kCheckvalueLength] = {
    {"Check2", 1},  {"Check2", 2},  {"Check2", 3},  {"Check2", 4}, {"Check2", 5}, {"Check2", 6},
    {"Check1", 0},  {"Check1", 1},  {"Check1", 2},  {"Check1", 3}, {"Check1", 4}, {"Check1", 5},
    {"", -1},       {"Check3", 0},  {"Check3", 1},  {"Check3", 2}, {"Check3", 3}, {"Check3", 4},
    {"Check3", 5},  {"Check3", 6},  {"Check3", 7},  {"Check3", 8}, {"Check4", 1}, {"Check4", 2},
    {"Check4", 3},  {"Check4", 4},  {"Check4", 5},  {"Check5", 0}, {"Check5", 1}, {"Check5", 2},
    {"Check11", 0}, {"Check11", 1}, {"Check11", 2},
};

constexpr ControlRef kOptvalueControls[kOptvalueLength] = {
    {"Option1", 0}, {"Option1", 1}, {"Option2", 0}, {"Option2", 1}, {"Option2", 2},
    {"Option2", 3}, {"Option4", 0}, {"Option4", 1}, {"Option4", 2},
};

constexpr ControlRef kAImodeControls[kAImodeLength] = {
    {"Option6", 0}, {"Option6", 1}, {"Check6", 0}, {"Check6", 1},
    {"Check6", 2},  {"Check6", 3},  {"Check6", 4}, {"Check6", 5},
};

// The sound boxes of the reminder grid in the order of `tellsoundname`.
constexpr int kSoundBoxes[] = {0, 1, 2, 3, 4, 10};

Control& controlOf(Form& window, ControlRef ref) {
  return window.control(std::string(ref.name), ref.index);
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
void decodeFlags(Form& window, const std::string& options, const ControlRef (&table)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i].name.empty()) continue;
    decodeFlag(controlOf(window, table[i]), optionChar(options, static_cast<Flag>(i + 1)));
  }
}

template <std::size_t N>
std::string encodeFlags(Form& window, const ControlRef (&table)[N]) {
  std::string options;
  for (const ControlRef& ref : table)
    options += ref.name.empty() ? "0" : encodeFlag(controlOf(window, ref));
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

ControlRef controlOf(CheckFlag flag) { return kCheckvalueControls[static_cast<int>(flag) - 1]; }
ControlRef controlOf(OptFlag flag) { return kOptvalueControls[static_cast<int>(flag) - 1]; }
ControlRef controlOf(AiFlag flag) { return kAImodeControls[static_cast<int>(flag) - 1]; }

int validListPosition(int stored, int count) {
  if (count <= 0) return -1;
  return std::clamp(stored, 0, count - 1);
}

// In the order of the window's fill: the handlers that these values run see the values set
// before them.
void decodePresetSettings(Form& w, const SettingsBlock& s) {
  w.control("Text2", 1).setText(std::to_string(Hour(s.Time_all)));
  w.control("Text2", 2).setText(std::to_string(Minute(s.Time_all)));
  w.control("Text2", 3).setText(std::to_string(Second(s.Time_all)));
  w.control("Text2", 4).setText(std::to_string(s.Time_one));
  w.control("Text2", 5).setText(std::to_string(s.Time_two));
  w.control("Text2", 6).setText(std::to_string(s.Time_three));
  w.control("Text2", 7).setText(std::to_string(s.time_end));
  decodeFlags<CheckFlag>(w, s.checkvalue, kCheckvalueControls);
  decodeFlags<OptFlag>(w, s.optvalue, kOptvalueControls);
  decodeClockLook(w, s);
  selectStored(w.control("Combo4"), fontselectPart(s.Fontselect, FontselectField::CornerIndex));
  const auto sounds = Split(s.tellsoundname, "\\");
  for (std::size_t i = 0; i < std::size(kSoundBoxes) && i < sounds.size(); ++i) {
    w.control("Text4", kSoundBoxes[i]).setText(sounds[i]);
  }
  w.control("Text4", 5).setText(std::to_string(s.tellShowtime));
  w.control("Text4", 6).setText(s.tellprocesstext);
  w.control("Text4", 7).setText(s.tellouttext);
  w.control("Text4", 8).setText(s.tellShowtext);
}

void decodeSettings(Form& w, const SettingsBlock& s) {
  decodePresetSettings(w, s);
  decodeFlags<AiFlag>(w, s.AImode, kAImodeControls);
  w.control("Text1", 18).setText(std::to_string(s.picture_width));
  w.control("Text1", 19).setText(std::to_string(s.picture_height));
}

void decodeClockLook(Form& w, const SettingsBlock& s) {
  if (!w.control("Combo1").setText(s.clockFont)) w.control("Combo1").setText("Trebuchet MS");
  Control& colours = w.control("Combo3");
  selectStored(w.control("Combo2"), fontselectPart(s.Fontselect, FontselectField::SizeIndex));
  selectStored(colours, fontselectPart(s.Fontselect, FontselectField::ColourIndex));
  const int colour = colours.ListIndex();
  w.control("Label10").setBackColor(
      colour >= 0 && colour < 17
          ? ColorByIndex(colour)
          : colourFromText(fontselectPart(s.Fontselect, FontselectField::ColourNumber)));

  const int split = InStr(s.picturename, "\\");
  Control& picture = w.control("Text1", 5);
  picture.setText(split > 0 ? Left(s.picturename, split - 1) : s.picturename);
  if (split > 0) picture.setBackColor(colourFromText(Mid(s.picturename, split + 1)));
}

SettingsBlock encodeSettings(Form& w, const SettingsBlock& unreadable) {
  SettingsBlock s;
  const auto field = [&w](int index) -> const Control& { return w.control("Text2", index); };
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
  s.checkvalue = encodeFlags(w, kCheckvalueControls);
  s.optvalue = encodeFlags(w, kOptvalueControls);
  s.secondtimer = "";
  s.tellShowtime =
      numberOr(w.control("Text4", 5), unreadable.tellShowtime, [](double v) { return CInt(v); });
  for (std::size_t i = 0; i < std::size(kSoundBoxes); ++i) {
    if (i > 0) s.tellsoundname += "\\";
    s.tellsoundname += w.control("Text4", kSoundBoxes[i]).Text();
  }
  s.tellprocesstext = w.control("Text4", 6).Text();
  s.tellShowtext = w.control("Text4", 8).Text();
  s.clockFont = w.control("Combo1").Text();
  s.Fontselect = makeFontselect(
      storedPosition(w.control("Combo2")), storedPosition(w.control("Combo3")),
      storedPosition(w.control("Combo4")), colourText(w.control("Label10").BackColor()));
  const Control& picture = w.control("Text1", 5);
  s.picturename = picture.Text() + "\\" + colourText(picture.BackColor());
  s.AImode = encodeFlags(w, kAImodeControls);
  s.tellouttext = w.control("Text4", 7).Text();
  s.time_left = 0;
  const auto longInteger = [](double v) { return CLng(v); };
  s.picture_width = numberOr(w.control("Text1", 18), unreadable.picture_width, longInteger);
  s.picture_height = numberOr(w.control("Text1", 19), unreadable.picture_height, longInteger);
  return s;
}

void decodeStoredOptions(Form& w, const StoredOptions& o) {
  for (int i = 0; i < 6; ++i) {
    // A stored text that names no key (also "无" that a code page without it stored as "?")
    // registers nothing: it shows as "无", so that two of them are no clash at the next apply.
    const std::string key = Trim(o.hotKeys[static_cast<std::size_t>(i)]);
    w.control("Text3", i + 1).setText(HotkeyKeyCode(key) == 0 ? "无" : key);
  }
  w.control("Text2", 0).setText(CStr(Val(o.add)));
  const std::string often = o.often.empty() ? "00" : o.often;
  decodeFlag(w.control("Check9", 0), Mid(often, 1, 1));
  decodeFlag(w.control("Check9", 1), Mid(often, 2, 1));
  const std::string light = Len(o.clocklight) == 3 ? o.clocklight : "000";
  decodeFlag(w.control("Check7"), Mid(light, 1, 1));
  w.control("Combo5").setListIndex(static_cast<int>(Val(Mid(light, 2, 1))));
  w.control("Combo6").setListIndex(static_cast<int>(Val(Mid(light, 3, 1))));
  const double opacity = o.backlight.empty() ? 70 : Val(o.backlight);
  w.control("HScroll2").setValue(static_cast<int>(std::clamp(opacity, 10.0, 100.0)));
  w.control("Check1", 6).setValue(o.secondScreen);
  w.control("Check1", 7).setValue(o.clockCycle);
  w.control("Check1", 8).setValue(o.openTogetherStop);
  w.control("Combo7").setListIndex(o.timeout);
}

StoredOptions encodeStoredOptions(Form& w) {
  StoredOptions o;
  for (int i = 0; i < 6; ++i)
    o.hotKeys[static_cast<std::size_t>(i)] = w.control("Text3", i + 1).Text();
  o.add = w.control("Text2", 0).Text();
  o.often = encodeFlag(w.control("Check9", 0)) + encodeFlag(w.control("Check9", 1));
  o.clocklight = encodeFlag(w.control("Check7")) +
                 std::to_string(storedPosition(w.control("Combo5"))) +
                 std::to_string(storedPosition(w.control("Combo6")));
  o.backlight = std::to_string(w.control("HScroll2").Value());
  o.secondScreen = w.control("Check1", 6).Value();
  o.clockCycle = w.control("Check1", 7).Value();
  o.openTogetherStop = w.control("Check1", 8).Value();
  o.timeout = std::max(0, w.control("Combo7").ListIndex());
  return o;
}

}  // namespace horalix
