#include "main/preset_row.h"

#include <exception>
#include <string_view>
#include <variant>

#include "presets/presets.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

using presets::PresetColumn;

class RowCopier {
 public:
  RowCopier(const std::vector<platform::DbValue>& row, PresetCopy copy) : row_(row), copy_(copy) {}

  // Assigns the converted field to `target`; a field that fails leaves it and is counted.
  template <class T, class Convert>
  void take(PresetColumn column, T& target, Convert convert) {
    try {
      const platform::DbValue& value = row_.at(column);
      if (copy_ == PresetCopy::Document && std::holds_alternative<std::monostate>(value)) {
        ++failures_;
        return;
      }
      target = convert(presets::fieldText(value));
    } catch (const std::exception&) {
      ++failures_;
    }
  }

  void text(PresetColumn column, std::string& target) {
    take(column, target, [](const std::string& s) { return s; });
  }
  // A whole number: the menu takes only a text that is a number, a document's preset the number
  // its text begins with; both round halves to even.
  void whole(PresetColumn column, std::int32_t& target) {
    take(column, target, [this](const std::string& s) {
      return copy_ == PresetCopy::Document ? CLng(Val(s)) : CLng(std::string_view(s));
    });
  }

  int failures() const { return failures_; }

 private:
  const std::vector<platform::DbValue>& row_;
  PresetCopy copy_;
  int failures_ = 0;
};

}  // namespace

// The row's overtime text (column 14) and time-up text (column 19) stand under their own names:
// the preset manager writes and reads them so, whatever order older descriptions give.
bool CopyPresetRow(const std::vector<platform::DbValue>& row, SettingsBlock& record,
                   PresetCopy copy) {
  RowCopier from(row, copy);
  SettingsBlock to = record;
  from.take(presets::kTimeall, to.Time_all,
            [](const std::string& s) { return DurationSeconds(s) / 86400.0; });
  from.whole(presets::kTiemone, to.Time_one);
  from.whole(presets::kTimetwo, to.Time_two);
  from.whole(presets::kTiemthree, to.Time_three);
  from.whole(presets::kTimeEnd, to.time_end);
  from.text(presets::kCheckvalue, to.checkvalue);
  from.text(presets::kOptvalue, to.optvalue);
  to.secondtimer = "";
  from.take(presets::kTellShowtime, to.tellShowtime,
            [](const std::string& s) { return CInt(std::string_view(s)); });
  from.text(presets::kTellsoundname, to.tellsoundname);
  from.text(presets::kTellprocesstext, to.tellprocesstext);
  from.text(presets::kTellShowtext, to.tellShowtext);
  from.text(presets::kClockFont, to.clockFont);
  from.text(presets::kFontselect, to.Fontselect);
  from.text(presets::kPicturename, to.picturename);
  from.text(presets::kTellouttext, to.tellouttext);
  if (copy == PresetCopy::Menu) {
    to.time_left = 0;
  } else {
    from.whole(presets::kTimeLeft, to.time_left);
    from.whole(presets::kPictureWidth, to.picture_width);
    from.whole(presets::kPictureHeight, to.picture_height);
  }
  const bool whole = from.failures() == 0;
  if (whole || copy == PresetCopy::Document) record = to;
  return whole;
}

}  // namespace horalix
