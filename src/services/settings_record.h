// The settings record in the registry: one table names its 20 values, their registry names and
// defaults, in the stored order; saving, loading and deleting all go by it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "services/settings_block.h"
#include "services/value_store.h"

namespace horalix {

namespace platform {
struct Platform;
}

// Where a field lives in the record. Its C++ type gives its registry type: text and the set
// duration (a time value, stored as "hh:mm:ss") are REG_SZ, numbers REG_DWORD.
using SettingsMember = std::variant<double SettingsBlock::*, std::int32_t SettingsBlock::*,
                                    std::int16_t SettingsBlock::*, std::string SettingsBlock::*>;
using SettingsDefault = std::variant<double, std::int32_t, std::int16_t, std::string_view>;

struct SettingsField {
  std::string_view name;  // the registry value, under HKEY_CURRENT_USER\Vantrel
  SettingsMember member;
  SettingsDefault defaultValue;
  // Read back by LoadSettings. secondtimer is stored but never read; the picture size is taken
  // from the picture file or kept as it is in memory.
  bool loaded;
};

extern const std::array<SettingsField, 20> kSettingsFields;

// The field of that registry name; throws std::out_of_range when the record has none.
const SettingsField& settingsField(std::string_view name);

// The record with every field at its default.
SettingsBlock defaultSettings();

// The registry values that DeleteSettings removes, in order: the stored record (secondtimer
// stays; the add-in's clockopen goes in its place), then pathget and the extended-screen
// positions.
std::vector<std::string> deletedSettingNames();

// The read of a set duration stored as "hh:mm:ss" text (a number is taken as a time value, a
// count of days): a number beyond the dates the runtime holds, or a text that is no time,
// leaves the target as it was (through the shell the read fails); through the registry
// functions a missing value reads as 0.
ReadSlot durationSlot(const std::string& name, double& target);

// Writes the 20 fields, each under its own name: through the scripting shell, and when any one
// failed the whole record again through the registry functions.
void SaveSettings(platform::Platform& platform, const SettingsBlock& record);

// Reads the stored record. Through the scripting shell, a value that cannot be read keeps the
// field as it was; when any read failed, the registry functions are asked instead: a stored
// checkvalue shorter than 19 characters then means no usable record, and the whole record
// takes its defaults. With checkvalue character 12 "0" the back picture's size comes from the
// picture file, held to 600 x 450 pixels.
void LoadSettings(platform::Platform& platform, SettingsBlock& record);

// Removes the stored record with the add-in's clockopen, pathget and the extended-screen
// positions, and resets those positions in TimeData.db to "0". The record in memory stays.
void DeleteSettings(platform::Platform& platform);

}  // namespace horalix
