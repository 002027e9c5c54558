#include "main/idle_clock.h"

#include <algorithm>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/end_of_run.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/picture_size.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr int kParkDistance = 5000;
constexpr int kWidestPicture = 600;
constexpr int kHighestPicture = 450;

// The format characters of optvalue choose the format; the last one set wins and none set
// (or one that is no number) means hours:minutes:seconds.
int displayFormat(const std::string& optvalue) {
  int format = 3;
  if (optionOn(optvalue, OptFlag::FormatSeconds)) format = 1;
  if (optionOn(optvalue, OptFlag::FormatMinutes)) format = 2;
  if (optionOn(optvalue, OptFlag::FormatHours)) format = 3;
  return format;
}

// A prompt bar still counting while no run is bound is taken off the screen; the primary one
// also asks for a run start, which settles the clocks.
void parkStaleBars(Context& app) {
  const int screenWidth = app.run.ScreenWidthPx * app.platform.desktop.twipsPerPixelX();
  PromptBar& primary = app.promptBar();
  if (primary.Timer2.Enabled()) {
    app.mainWindow().Label1.setCaption("0");
    parkProcessBar(primary, screenWidth, 0, kParkDistance);
    app.floatingClock().Timer5.setEnabled(true);
  }
  PromptBar& extended = app.secondPromptBar();
  if (extended.Timer2.Enabled()) parkProcessBar(extended, screenWidth, screenWidth, kParkDistance);
}

// The back picture's size from its file, or, without one, the back colour after the "\". A
// size or colour that cannot be read leaves what was there; the size is capped either way.
void applyBackground(Context& app, bool mirrored) {
  const char* where = "idle clock, back picture";
  SettingsBlock& settings = app.settings;
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string file = parts.empty() ? "" : parts[0];
  const std::string path = app.pathInProgramFolder("picture\\" + file);
  if (!file.empty() && app.platform.files.normalFileExists(path)) {
    attempt(app, where, [&] {
      const PictureDimensions size = PictureSize(app.platform.files, path);
      settings.picture_width = size.width;
      settings.picture_height = size.height;
    });
  } else if (parts.size() > 1) {
    attempt(app, where, [&] {
      const auto colour = static_cast<std::uint32_t>(CLng(Val(parts[1])));
      app.floatingClock().setBackColor(colour);
      app.floatingClock().Picture2.setBackColor(colour);
      if (mirrored) {
        app.mirrorClock().setBackColor(colour);
        app.mirrorClock().Picture2.setBackColor(colour);
      }
    });
  }
  settings.picture_width = std::min(settings.picture_width, kWidestPicture);
  settings.picture_height = std::min(settings.picture_height, kHighestPicture);
}

}  // namespace

std::string idleCountText(int format, bool showRemaining, double setTime, int lastRunSeconds) {
  const int hours = showRemaining ? Hour(setTime) : 0;
  const int minutes = showRemaining ? Minute(setTime) : 0;
  const int seconds = showRemaining ? Second(setTime) : 0;
  switch (format) {
    case 1:
      return showRemaining ? CStr(lastRunSeconds) : "0";
    case 2:
      return Format(hours * 60 + minutes, "00") + ":" + Format(seconds, "00");
    default:
      return Format(hours, "00") + ":" + Format(minutes, "00") + ":" + Format(seconds, "00");
  }
}

void idleClockRefresh(Context& app, double setTime) {
  const char* where = "idle clock";
  SettingsBlock& settings = app.settings;
  FloatingClock& clock = app.floatingClock();
  MirrorClock& mirror = app.mirrorClock();
  attempt(app, where, [&] { parkStaleBars(app); });
  for (platform::Control* picture :
       {&clock.Picture1, &clock.Picture2, &mirror.Picture1, &mirror.Picture2}) {
    picture->setVisible(true);
  }
  app.mainWindow().Text1.setText("0");

  const int format = displayFormat(settings.optvalue);
  std::string text;
  attempt(app, where, [&] {
    if (clock.Label1(1).Top() != 0) {
      // The time-of-day view: the set time is not refreshed there.
      text = Format(timeOf(app.platform.loop.localTime()), format == 2 ? "hh:mm" : "hh:mm:ss");
      return;
    }
    settings.Time_all = timeOfDayValue(Hour(setTime), Minute(setTime), Second(setTime));
    text = idleCountText(format, optionOn(settings.optvalue, OptFlag::CountDown), settings.Time_all,
                         app.run.RunSeconds);
  });

  bool mirrored = false;
  attempt(app, where, [&] { mirrored = ReadSecondScreen(app) == 1; });
  attempt(app, where, [&] {
    const std::uint32_t colour = faceColour(settings.Fontselect);
    clock.Picture2.setForeColor(colour);
    mirror.Picture2.setForeColor(colour);
  });
  int size = 0;
  attempt(app, where, [&] {
    size = FontSizeByIndex(
        static_cast<int>(Val(fontselectPart(settings.Fontselect, FontselectField::SizeIndex))));
    platform::FontSpec font = clock.Label11.Font();
    font.size = size;
    clock.Label11.setFont(font);
  });
  clock.Label11.setCaption(text);
  if (mirrored) mirror.Label11.setCaption(text);
  if (optionChar(settings.checkvalue, CheckFlag::TransparentBack) == "0") {
    attempt(app, where, [&] { applyBackground(app, mirrored); });
  }

  attempt(app, where, [&] { clock.ShowStatue(text, size); });
  attempt(app, where, [&] { SetTopmost(app, clock); });
  if (mirrored) {
    attempt(app, where, [&] { mirror.ShowStatue(text, size + ReadHotkeyAdd(app)); });
    attempt(app, where, [&] { SetTopmost(app, mirror); });
  }
}

}  // namespace horalix
