// A new preset from the settings window: its time page is read and checked as the window's own
// apply command checks it, and its controls become the settings columns of the preset row.
#include <cstddef>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"
#include "settings/settings.h"
#include "store/store.h"

namespace horalix {

namespace {

// The whole part of a field's number; a field that is not a number, or one beyond 32 bits,
// throws.
std::int32_t wholePart(const SettingsFields& fields, int index) {
  return CLng(Int(CDbl(fields.Text2[index].Text())));
}

}  // namespace

std::optional<PresetRecord> PresetManager::presetOfSettingsWindow() {
  const SettingsFields& fields = needs_.settingsWindow.fields();
  platform::MessageBoxes& boxes = needs_.platform.messageBoxes;
  PresetRecord record;
  StageTimes times;
  try {
    const std::int32_t hours = wholePart(fields, 1);
    const std::int32_t minutes = wholePart(fields, 2);
    const std::int32_t seconds = wholePart(fields, 3);
    // The duration is stored as a time of day: 24 hours or more, or 60 minutes or seconds,
    // cannot be one.
    const std::optional<std::string> timeall = timeOfDayText(
        std::to_string(hours) + ":" + std::to_string(minutes) + ":" + std::to_string(seconds));
    if (!timeall) throw std::invalid_argument("not a time of day");
    record.timeall = *timeall;
    times.duration = hours * 3600 + minutes * 60 + seconds;
    for (std::size_t i = 0; i < 3; ++i) {
      times.alarms[i] = wholePart(fields, static_cast<int>(i) + 4);
    }
    record.time_end = std::to_string(wholePart(fields, 7));
  } catch (const std::exception&) {
    showNotice(boxes, DbNotice::PresetNotSaved);
    return std::nullopt;
  }
  if (!checkStageTimes(fields, boxes, times, {"设置时长不能相同，请修改", "\r\r"}))
    return std::nullopt;
  if (!hotKeysDistinct(fields, boxes)) return std::nullopt;

  SettingsBlock settings;
  try {
    settings = encodeSettings(fields);
  } catch (const std::exception&) {
    showNotice(boxes, DbNotice::PresetNotSaved);
    return std::nullopt;
  }
  record.tiemone = std::to_string(times.alarms[0]);
  record.timetwo = std::to_string(times.alarms[1]);
  record.tiemthree = std::to_string(times.alarms[2]);
  // Every column that holds a text field of the settings takes it as the window gave it.
  for (std::size_t column = 0; column < kPresetColumns.size(); ++column) {
    const std::string_view field = kPresetColumns[column].field;
    if (field.empty()) continue;
    const SettingsMember member = settingsField(field).member;
    if (const auto* text = std::get_if<std::string SettingsBlock::*>(&member))
      record.column(column) = settings.**text;
  }
  // The number fields go as the user left them: the columns convert them, and one that is not
  // a number fails the whole row with the entry's notice.
  record.tellShowtime = fields.Text4[5].Text();
  record.time_left = "0";
  record.picture_width = fields.Text1[18].Text();
  record.picture_height = fields.Text1[19].Text();
  return record;
}

}  // namespace horalix
