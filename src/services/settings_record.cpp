#include "services/settings_record.h"

#include <stdexcept>
#include "services/option_names.h"

#include "platform/platform.h"
#include "services/format_picture.h"
#include "services/ini_read_write.h"
#include "services/picture_size.h"
#include "services/program_folder.h"
#include "services/program_ini.h"
#include "services/program_values.h"
#include "services/registry_routines.h"
#include "services/runtime_error.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

// The set duration's default, 00:02:30, as a time value.
constexpr double kTwoAndAHalfMinutes = 150.0 / 86400.0;

constexpr std::int32_t kMaxPictureWidth = 600;
constexpr std::int32_t kMaxPictureHeight = 450;

// Below this many characters (as the registry functions return the text, with its terminating
// NUL) a stored checkvalue counts as no usable record.
constexpr int kShortestStoredCheckvalue = 19;

// The extended-screen positions, reset with the settings (in the order each store lists them).
constexpr std::array<const char*, 4> kScreenTwoRegistryValues{"clocktoptwo", "clocklefttwo",
                                                              "processtwo_left", "processtwo_top"};
constexpr std::array<const char*, 4> kScreenTwoIniKeys{"clocklefttwo", "clocktoptwo",
                                                       "processtwo_left", "processtwo_top"};

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang 14, which builds the fuzz targets).
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// The set duration as it is stored, and read back from its text.
std::string durationText(double time) { return Format(time, "hh:mm:ss"); }

// The read of one loaded field, with the conversions of its type.
ReadSlot readSlot(const SettingsField& field, SettingsBlock& record) {
  const std::string name(field.name);
  return std::visit(
      Overloaded{
          [&](double SettingsBlock::*m) { return durationSlot(name, record.*m); },
          [&](std::int32_t SettingsBlock::*m) { return ReadSlot::int32(name, record.*m); },
          [&](std::int16_t SettingsBlock::*m) { return ReadSlot::int16(name, record.*m); },
          [&](std::string SettingsBlock::*m) { return ReadSlot::text(name, record.*m); },
      },
      field.member);
}

NamedValue storedValue(const SettingsField& field, const SettingsBlock& record) {
  const std::string name(field.name);
  return std::visit(
      Overloaded{
          [&](double SettingsBlock::*m) {
            return NamedValue{name, durationText(record.*m), platform::regtype::Sz};
          },
          [&](std::int32_t SettingsBlock::*m) {
            return NamedValue{name, record.*m, platform::regtype::Dword};
          },
          [&](std::int16_t SettingsBlock::*m) {
            return NamedValue{name, std::int32_t{record.*m}, platform::regtype::Dword};
          },
          [&](std::string SettingsBlock::*m) {
            return NamedValue{name, record.*m, platform::regtype::Sz};
          },
      },
      field.member);
}

// With checkvalue character 12 "0" the back picture's size follows the picture file in the
// program's picture folder; either way within that option it is held to 600 x 450.
void fitBackPicture(platform::Platform& platform, SettingsBlock& record) {
  if (optionChar(record.checkvalue, CheckFlag::TransparentBack) != "0") return;
  const std::string name = record.picturename.substr(0, record.picturename.find('\\'));
  if (!name.empty()) {
    const std::string path = pathInProgramFolder(platform, "picture\\" + name);
    if (platform.files.normalFileExists(path)) {
      const PictureDimensions size = PictureSize(platform.files, path);
      record.picture_width = size.width;
      record.picture_height = size.height;
    }
  }
  if (record.picture_width > kMaxPictureWidth) record.picture_width = kMaxPictureWidth;
  if (record.picture_height > kMaxPictureHeight) record.picture_height = kMaxPictureHeight;
}

}  // namespace

const std::array<SettingsField, 20> kSettingsFields{{
    {"Time_all", &SettingsBlock::Time_all, kTwoAndAHalfMinutes, true},
    {"Time_one", &SettingsBlock::Time_one, std::int32_t{60}, true},
    {"Time_two", &SettingsBlock::Time_two, std::int32_t{30}, true},
    {"Time_three", &SettingsBlock::Time_three, std::int32_t{5}, true},
    {"time_end", &SettingsBlock::time_end, std::int32_t{0}, true},
    {"checkvalue", &SettingsBlock::checkvalue, "111111010100011111111111111100101", true},
    {"optvalue", &SettingsBlock::optvalue, "100100100", true},
    {"secondtimer", &SettingsBlock::secondtimer, "", false},
    {"tellShowtime", &SettingsBlock::tellShowtime, std::int16_t{3}, true},
    {"tellsoundname", &SettingsBlock::tellsoundname,
     "start.wav\\Timeout.wav\\Timeout.wav\\Timeout.wav\\Stop.wav\\Stop.wav", true},
    {"tellprocesstext", &SettingsBlock::tellprocesstext, "您的发言", true},
    {"tellShowtext", &SettingsBlock::tellShowtext, "", true},
    {"clockFont", &SettingsBlock::clockFont, "Trebuchet MS", true},
    {"Fontselect", &SettingsBlock::Fontselect, "1060602\\65280", true},
    {"picturename", &SettingsBlock::picturename, "\\0", true},
    {"AImode", &SettingsBlock::AImode, "01111101", true},
    {"tellouttext", &SettingsBlock::tellouttext, "时间到", true},
    {"time_left", &SettingsBlock::time_left, std::int32_t{0}, true},
    {"picture_width", &SettingsBlock::picture_width, std::int32_t{150}, false},
    {"picture_height", &SettingsBlock::picture_height, std::int32_t{50}, false},
}};

const SettingsField& settingsField(std::string_view name) {
  for (const SettingsField& field : kSettingsFields) {
    if (field.name == name) return field;
  }
  throw std::out_of_range("no settings field " + std::string(name));
}

SettingsBlock defaultSettings() {
  SettingsBlock record;
  for (const SettingsField& field : kSettingsFields) {
    std::visit(
        Overloaded{
            [&](double SettingsBlock::*m) { record.*m = std::get<double>(field.defaultValue); },
            [&](std::int32_t SettingsBlock::*m) {
              record.*m = std::get<std::int32_t>(field.defaultValue);
            },
            [&](std::int16_t SettingsBlock::*m) {
              record.*m = std::get<std::int16_t>(field.defaultValue);
            },
            [&](std::string SettingsBlock::*m) {
              record.*m = std::string(std::get<std::string_view>(field.defaultValue));
            },
        },
        field.member);
  }
  return record;
}

std::vector<std::string> deletedSettingNames() {
  std::vector<std::string> names;
  for (const SettingsField& field : kSettingsFields) {
    names.emplace_back(field.name == "secondtimer" ? "clockopen" : field.name);
  }
  names.emplace_back("pathget");
  names.insert(names.end(), kScreenTwoRegistryValues.begin(), kScreenTwoRegistryValues.end());
  return names;
}

void SaveSettings(platform::Platform& platform, const SettingsBlock& record) {
  // The registry functions write only into an existing key; the shell would create it.
  CreateNewKey(platform.registry, platform::RegRoot::CurrentUser, "Vantrel");
  std::vector<NamedValue> values;
  for (const SettingsField& field : kSettingsFields) values.push_back(storedValue(field, record));
  programValues(platform).writeGroup(values);
}

void LoadSettings(platform::Platform& platform, SettingsBlock& record) {
  ValueStore store = programValues(platform);
  std::vector<ReadSlot> slots;
  for (const SettingsField& field : kSettingsFields) {
    if (field.loaded) slots.push_back(readSlot(field, record));
  }

  bool failed = false;
  for (const ReadSlot& slot : slots) {
    const auto value = store.shellRead(slot.name);
    failed = !(value && slot.fromShell(*value)) || failed;
  }
  fitBackPicture(platform, record);
  if (!failed) return;

  // The length test applies to the text exactly as the registry functions return it.
  if (Len(variantText(store.registryRead("checkvalue"))) < kShortestStoredCheckvalue) {
    record = defaultSettings();
    return;
  }
  for (const ReadSlot& slot : slots) slot.fromRegistry(store.registryRead(slot.name));
  fitBackPicture(platform, record);
}

void DeleteSettings(platform::Platform& platform) {
  programValues(platform).removeGroup(deletedSettingNames());
  for (const char* key : kScreenTwoIniKeys) {
    writeProgramIni(platform, "clocksite", key, "0");
  }
}

ReadSlot durationSlot(const std::string& name, double& target) {
  return {name,
          [&target](const platform::ShellValue& value) {
            try {
              if (const auto* text = std::get_if<std::string>(&value)) {
                target = CDate(*text);
                return true;
              }
              if (const auto* number = std::get_if<std::int32_t>(&value)) {
                target = CDate(*number);
                return true;
              }
            } catch (const RuntimeError&) {
            }
            return false;
          },
          [&target](const Variant& value) {
            if (isEmpty(value)) {
              target = 0;
              return;
            }
            try {
              if (const auto* number = std::get_if<std::int32_t>(&value)) {
                target = CDate(*number);
              } else {
                // Text from the registry functions still carries its terminating NUL.
                target = CDate(CutAtControlChar(variantText(value)));
              }
            } catch (const RuntimeError&) {
              // A number beyond the dates, or a text that is no time, leaves the duration as it
              // was.
            }
          }};
}

}  // namespace horalix
