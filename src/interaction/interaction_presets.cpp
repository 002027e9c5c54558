#include "interaction/interaction_presets.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "services/ini_read_write.h"
#include "services/palette.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "services/variant.h"

namespace horalix {

namespace {

std::string readKey(const PresetFile& file, int number, const std::string& key,
                    const std::string& fallback) {
  return Trim(variantText(
      IniReadWrite(file.files, "readpart", file.path, interactionSection(number), key, fallback)));
}

void writeKey(const PresetFile& file, int number, const std::string& key,
              const std::string& value) {
  try {
    IniReadWrite(file.files, "write", file.path, interactionSection(number), key, value);
  } catch (const std::exception&) {
    // The check after writing finds a key that did not take.
  }
}

// A stored number equals the expected one; a value that is not a number never does.
bool sameNumber(const std::string& stored, int expected) {
  return IsNumeric(stored) && CDbl(stored) == expected;
}

}  // namespace

std::string interactionSection(int number) { return "hudongset" + std::to_string(number); }

bool interactionFlagOn(const std::string& checkvalue, InteractionFlag flag) {
  return Mid(checkvalue, static_cast<int>(flag), 1) == "1";
}

std::string interactionFontPart(const std::string& fontselect, InteractionFontField field) {
  const std::vector<std::string> fields = Split(fontselect, "\\");
  const auto at = static_cast<std::size_t>(field) - 1;
  return at < fields.size() ? fields[at] : "";
}

std::string makeInteractionFontselect(const std::string& name, const std::string& size,
                                      int colourIndex, std::uint32_t colour) {
  return name + "\\" + size + "\\" + std::to_string(colourIndex) + "\\" + colourText(colour);
}

InteractionPreset readInteractionPresetForStart(const PresetFile& file, int number) {
  return {readKey(file, number, "checkvalue", "11111"), readKey(file, number, "Ttime", "5"),
          readKey(file, number, "Fontselect", kStartFontselect),
          readKey(file, number, "soundname", "alarm.wav")};
}

InteractionMenuEntry readInteractionMenuEntry(const PresetFile& file, int number) {
  return {readKey(file, number, "sname", "00:01:00"), readKey(file, number, "checkvalue", "00000")};
}

InteractionSettingsEntry readInteractionSettingsEntry(const PresetFile& file, int number) {
  return {readKey(file, number, "sname", "0:0" + std::to_string(number) + ":00"),
          readKey(file, number, "checkvalue", "01011"), readKey(file, number, "Ttime", "5"),
          readKey(file, number, "Fontselect", kSettingsFontselect),
          readKey(file, number, "soundname", "alarm.wav")};
}

void SaveHudongSet(const PresetFile& file, std::int16_t number, const std::string& sname,
                   const std::string& checkvalue, std::int16_t Ttime, const std::string& Fontselect,
                   const std::string& soundname) {
  writeKey(file, number, "id", std::to_string(number));
  writeKey(file, number, "sname", sname);
  writeKey(file, number, "checkvalue", checkvalue);
  writeKey(file, number, "Ttime", std::to_string(Ttime));
  writeKey(file, number, "Fontselect", Fontselect);
  writeKey(file, number, "soundname", soundname);
}

bool ReadHudongSet(const PresetFile& file, std::int16_t number, const std::string& sname,
                   const std::string& checkvalue, std::int16_t Ttime, const std::string& Fontselect,
                   const std::string& soundname) {
  return sameNumber(readKey(file, number, "id", std::to_string(number)), number) &&
         readKey(file, number, "sname", "") == sname &&
         readKey(file, number, "checkvalue", "") == checkvalue &&
         sameNumber(readKey(file, number, "Ttime", ""), Ttime) &&
         readKey(file, number, "Fontselect", "") == Fontselect &&
         readKey(file, number, "soundname", "") == soundname;
}

std::string interactionDurationText(double minutes, double seconds) {
  const auto m = static_cast<long long>(std::fabs(Fix(minutes)));
  const auto s = static_cast<long long>(std::fabs(Fix(seconds)));
  // Read as a time of day, so that minutes or seconds above 59 fail as they would there.
  const double t = TimeValue("00:" + std::to_string(m) + ":" + std::to_string(s));
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", Hour(t), Minute(t), Second(t));
  return text;
}

}  // namespace horalix
