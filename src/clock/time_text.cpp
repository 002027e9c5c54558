// The text the clock shows: the count in seconds, in minutes and seconds, or in hours, minutes
// and seconds, with the overtime prefix while counting up; or the time of day when the presenter
// switched the clock to that view.
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/display_format.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"

namespace horalix {

int DisplayFormat(const std::string& optvalue) {
  int format = 3;
  if (CInt(optionChar(optvalue, OptFlag::FormatSeconds)) == 1) format = 1;
  if (CInt(optionChar(optvalue, OptFlag::FormatMinutes)) == 1) format = 2;
  if (CInt(optionChar(optvalue, OptFlag::FormatHours)) == 1) format = 3;
  return format;
}

std::string countText(int format, int hours, int minutes, int seconds) {
  switch (format) {
    case 1:
      return CStr((hours * 60 + minutes) * 60 + seconds);
    case 2:
      return Format(hours * 60 + minutes, "00") + ":" + Format(seconds, "00");
    default:
      return Format(hours, "00") + ":" + Format(minutes, "00") + ":" + Format(seconds, "00");
  }
}

std::string clockText(std::int32_t ms) {
  const std::vector<std::string> parts = Split(SplitMilliseconds(ms), "\\");
  return Format(Val(parts.at(0)), "00") + ":" + Format(Val(parts.at(1)), "00") + ":" +
         Format(Val(parts.at(2)), "00");
}

std::string timeOfDayText(platform::Platform& platform, int format) {
  return Format(timeOf(platform.loop.localTime()), format == 2 ? "hh:mm" : "hh:mm:ss");
}

void FloatingClock::Label_change() {
  const std::string text = shownText();
  setFaceText(text);
  const int size = wantedSize();
  ShowStatue(text, size);
  if (ReadSecondScreen(needs_.platform, needs_.interactionMenu) == 1) {
    needs_.mirrorClock.ShowStatue(text, size + MirrorSizeAdd);
  }
  needs_.platform.loop.doEvents();
}

}  // namespace horalix
