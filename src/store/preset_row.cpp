#include "store/preset_row.h"

#include <exception>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "services/settings_record.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "store/preset_database.h"

namespace horalix {

namespace {

class RowCopier {
 public:
  explicit RowCopier(const std::vector<platform::DbValue>& row) : row_(row) {}

  // Assigns the converted field to `target`; a field that is empty (NULL) or fails to convert
  // leaves it and is counted.
  template <class T, class Convert>
  void take(PresetColumn column, T& target, Convert convert) {
    try {
      const platform::DbValue& value = row_.at(column);
      if (std::holds_alternative<std::monostate>(value)) {
        ++failures_;
        return;
      }
      target = convert(fieldText(value));
    } catch (const std::exception&) {
      ++failures_;
    }
  }

  int failures() const { return failures_; }

 private:
  const std::vector<platform::DbValue>& row_;
  int failures_ = 0;
};

// Whether the copy takes the column's field: AImode always comes from the registry, and the
// presets menu leaves the time left and the picture size to the record.
bool copied(std::string_view field, PresetCopy copy) {
  if (field.empty() || field == "AImode") return false;
  if (copy == PresetCopy::Document) return true;
  return field != "time_left" && field != "picture_width" && field != "picture_height";
}

}  // namespace

// Each column goes into the record's field that the column table names, converted by the
// field's type. The overtime and time-up texts stand under their own names, whatever order
// older descriptions give.
bool copyPresetRow(const std::vector<platform::DbValue>& row, SettingsBlock& record,
                   PresetCopy copy) {
  RowCopier from(row);
  SettingsBlock to = record;
  for (std::size_t column = 0; column < kPresetColumns.size(); ++column) {
    const std::string_view field = kPresetColumns[column].field;
    if (!copied(field, copy)) continue;
    const auto at = static_cast<PresetColumn>(column);
    std::visit(
        [&](auto member) {
          using Value = std::remove_reference_t<decltype(to.*member)>;
          if constexpr (std::is_same_v<Value, double>) {
            // The set duration is a time of day: "25:00:30" is no time and fails.
            from.take(at, to.*member, [](const std::string& s) { return TimeValue(s); });
          } else if constexpr (std::is_same_v<Value, std::int32_t>) {
            // Whole numbers are the number the text begins with ("42.5abc" is 42), halves to
            // even.
            from.take(at, to.*member, [](const std::string& s) { return CLng(Val(s)); });
          } else if constexpr (std::is_same_v<Value, std::int16_t>) {
            from.take(at, to.*member,
                      [](const std::string& s) { return CInt(std::string_view(s)); });
          } else {
            from.take(at, to.*member, [](const std::string& s) { return s; });
          }
        },
        settingsField(field).member);
  }
  to.secondtimer = "";
  if (copy == PresetCopy::Menu) to.time_left = 0;
  const bool whole = from.failures() == 0;
  if (whole || copy == PresetCopy::Document) record = to;
  return whole;
}

}  // namespace horalix
