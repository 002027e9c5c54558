// The five interaction presets, one section of TimeData.db each ("hudongset1" to "hudongset5"),
// with the keys id, sname, checkvalue, Ttime, Fontselect and soundname. Each reader has its own
// defaults for a missing key or an empty value: the menu, the start of a countdown and the
// settings window see a bare file differently.
#pragma once

#include <cstdint>
#include <string>

#include "interaction/interaction_menu_entry.h"

namespace horalix {

// "hudongset" followed by the preset number in decimal: "hudongset3".
std::string interactionSection(int number);

// One character of a preset's checkvalue, by 1-based position.
enum class InteractionFlag : int {
  InUse = 1,          // shown in the interaction menu
  AutoStart = 2,      // counts at once when shown
  ReminderSound = 3,  // plays the sound at the reminder second
  FourthBox = 4,      // kept for the settings window only
  ReminderBlink = 5,  // blinks during the reminder phase
};
bool interactionFlagOn(const std::string& checkvalue, InteractionFlag flag);
inline constexpr int kInteractionFlagCount = 5;

// The fields of a preset's Fontselect, "name\size\colour index\colour", by 1-based position:
// the font name ("DS-Digital" for the list entry "LCD数码"), the size in points, the palette
// index (0 to 16; 17 a colour of the user's) and the colour in effect as a decimal COLORREF.
enum class InteractionFontField : int {
  Name = 1,
  Size = 2,
  ColourIndex = 3,
  Colour = 4,
};
// The field's text ("" when the selection has fewer fields).
std::string interactionFontPart(const std::string& fontselect, InteractionFontField field);
std::string makeInteractionFontselect(const std::string& name, const std::string& size,
                                      int colourIndex, std::uint32_t colour);

// What the start of a countdown reads of a preset; missing values give "11111", "5",
// "Trebuchet MS\300\9\12632256" and "alarm.wav".
struct InteractionPreset {
  std::string checkvalue;
  std::string Ttime;
  std::string Fontselect;
  std::string soundname;
};
InteractionPreset readInteractionPresetForStart(const PresetFile& file, int number);
inline constexpr const char* kStartFontselect = "Trebuchet MS\\300\\9\\12632256";

// What the settings window reads of a preset; missing values give the preset's own length
// ("0:0N:00", N minutes), "01011", "5", "Trebuchet MS\200\4\16711808" and "alarm.wav".
struct InteractionSettingsEntry {
  std::string sname;
  std::string checkvalue;
  std::string Ttime;
  std::string Fontselect;
  std::string soundname;
};
InteractionSettingsEntry readInteractionSettingsEntry(const PresetFile& file, int number);
inline constexpr const char* kSettingsFontselect = "Trebuchet MS\\200\\4\\16711808";

// Writes the six keys of the preset's section in the order id, sname, checkvalue, Ttime,
// Fontselect, soundname. A write that fails is passed over and the next is still written.
void SaveHudongSet(const PresetFile& file, std::int16_t number, const std::string& sname,
                   const std::string& checkvalue, std::int16_t Ttime, const std::string& Fontselect,
                   const std::string& soundname);

// Reads the section back and tells whether it holds exactly these values: id and Ttime as
// numbers (a value that is not a number is a difference), the texts case-sensitively.
bool ReadHudongSet(const PresetFile& file, std::int16_t number, const std::string& sname,
                   const std::string& checkvalue, std::int16_t Ttime, const std::string& Fontselect,
                   const std::string& soundname);

// The duration text of a preset for its section: minutes and seconds (each the whole part of
// the absolute value) as "0:MM:SS"; 5 and 30 give "0:05:30".
std::string interactionDurationText(double minutes, double seconds);

}  // namespace horalix
