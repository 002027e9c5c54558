// The clock window's run start: a one-shot pass that takes the run's length, stages, format and
// after-zero action from the settings record, styles, lays out and draws the face, takes the
// start mark of the count and either starts the count (a run is bound) or leaves the clock idle,
// with the tray menu to match. Every statement is attempted on its own: one that fails is passed
// over and the pass goes on.
#include <algorithm>
#include <exception>

#include "clock/display_format.h"
#include "clock/time_glass.h"
#include "clock/time_glass_two.h"
#include "main/main.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/palette.h"
#include "services/picture_size.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer5";

// A test whose condition fails to evaluate (a missing or non-numeric option character) counts
// as met.
template <class Condition>
bool met(Condition&& condition) {
  try {
    return condition();
  } catch (const std::exception&) {
    return true;
  }
}
bool flagMet(const std::string& options, int position) {
  return met([&] { return CInt(Mid(options, position, 1)) == 1; });
}

// A label's font did not take: a face other than the one asked, or a size far from it.
bool fontFailed(const platform::Control& label, const std::string& name, int size) {
  const platform::FontSpec got = label.realisedFont();
  return got.size > size + 10 || got.size < size - 2 || got.name != name;
}

void setFontName(platform::Control& c, const std::string& name) {
  platform::FontSpec f = c.Font();
  f.name = name;
  c.setFont(f);
}

void setFont(platform::Control& c, const std::string& name, int size) {
  platform::FontSpec f = c.Font();
  f.name = name;
  f.size = size;
  c.setFont(f);
}

}  // namespace

void TimeGlass::Timer5_Timer() {
  Context& app = app_;
  SettingsBlock& settings = app.settings;
  FrmExit& main = app.frmExit();
  auto attempt = [&app](auto&& statement) { Attempt(app, kWhere, statement); };

  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5}) t->setEnabled(false);
  Label5.setCaption("0");
  attempt([&] { SetTopmost(app, *this); });
  app.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);
  attempt([&] { HideProcessBars(app); });

  SoundNames = Split(settings.tellsoundname, "\\");
  attempt([&] { MirrorSizeAdd = ReadHotkeyAdd(app); });
  Label8.setCaption("0");
  firedStages_ = 0;

  const double t = settings.Time_all;
  int hours = 0, minutes = 0, seconds = 0;
  attempt([&] {
    hours = Hour(t);
    minutes = Minute(t);
    seconds = Second(t);
    settings.Time_all = TimeOfDayValue(hours, minutes, seconds);
  });
  app.run.RunSeconds = hours * 3600 + minutes * 60 + seconds;
  app.run.RunMillis = app.run.RunSeconds * 1000;
  AlarmOneSeconds = settings.Time_one;
  AlarmTwoSeconds = settings.Time_two;
  Label10.setCaption(CStr(app.run.RunMillis));
  for (int i = 1; i <= 3; ++i) main.Label4(i).setCaption("0");

  int format = 3;
  if (flagMet(settings.optvalue, 3)) format = 1;
  if (flagMet(settings.optvalue, 4)) format = 2;
  if (flagMet(settings.optvalue, 5)) format = 3;
  Image1.setVisible(false);

  const bool countDown = flagMet(settings.optvalue, 1);
  const std::string first =
      countDown ? CountText(format, hours, minutes, seconds) : CountText(format, 0, 0, 0);
  attempt([&] { Label1(2).setCaption(TimeOfDayText(app, format)); });
  Label1(1).setCaption(first);
  Label11.setCaption(first);
  Label9.setCaption(format == 2 ? "00:00" : "00:00:00");

  int size = 0;
  std::uint32_t colour = 0;
  attempt([&] { size = wantedSize(); });
  attempt([&] { colour = FaceColour(settings.Fontselect); });
  attempt([&] { setUpFonts(size, colour); });
  Label1(1).setVisible(false);
  Label1(2).setVisible(false);
  attempt([&] { setUpBackground(colour); });
  attempt([&] { layOutFirstText(countDown); });

  if (CaptionStartsWith(main.menu_two(1), "显示")) {
    Label2.setCaption("3");
    Label3.setCaption("0");
  } else {
    Label2.setCaption("1");
    Label3.setCaption("1");
  }
  Label4.setCaption("0");

  attempt([&] {
    if (Label1(1).Top() == 0) {
      ShowStatue(Label11.Caption(), size);
    } else {
      ShowStatue(Label1(2).Caption(), static_cast<int>(CLng(Label1(2).Font().size)));
    }
  });
  attempt([&] {
    const auto area = app.platform.desktop.fullScreenArea();
    app.run.ScreenWidthPx = area.width();
    app.run.ScreenHeightPx = area.height();
  });

  std::int16_t afterZero = 0;
  if (flagMet(settings.optvalue, 8)) afterZero = 1;
  if (met([&] { return CInt(Mid(settings.optvalue, 9, 1)) == 1 && !ReadAImode(app); })) {
    afterZero = 2;
  }
  app.run.AfterZeroAction = afterZero;

  if (const auto mark = ClockMark(app, ClockMethod(app))) app.run.StartTick = *mark;
  attempt([&] { Label16.setCaption(Format(TimeOf(app.platform.loop.localTime()), "hh:mm:ss")); });
  app.timeGlassTwo().Timer5.setEnabled(true);

  const bool counting = RunCounts(app);
  if (counting) {
    const int side = Picture1.Height();
    Image1.move(0, 0, side, side);
    Image1.setPicture(Image2(1).Picture());
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    attempt([&] {
      if (OptionOn(settings.checkvalue, 23) && main.Label7.Caption() == "0" &&
          !SoundNames.empty()) {
        PlayMusic(app, app.pathInProgramFolder("sounds\\" + SoundNames.front()));
      }
    });
  } else {
    Image1.setPicture(Image2(0).Picture());
  }
  attempt([&] { SetRunStartMenus(app, counting); });
  if (Label15.Caption() == "1") {
    attempt([&] { RestoreClocks(app); });
    Label15.setCaption("0");
  }
  Label13.setCaption("0");
}

// The clock font on the labels and the drawing surface. A font that does not take is replaced
// by the program's own font file: Arial Black by its own, any other face by Trebuchet MS.
void TimeGlass::setUpFonts(int size, std::uint32_t colour) {
  SettingsBlock& settings = app_.settings;
  platform::FontService& fonts = app_.platform.fonts;
  auto fontFile = [this](const char* file) {
    return app_.pathInProgramFolder(std::string("font\\") + file);
  };
  for (int i : {1, 2}) {
    setFont(Label1(i), settings.clockFont, size);
    Label1(i).setForeColor(colour);
  }
  if (fontFailed(Label1(1), settings.clockFont, size)) {
    bool added = false;
    if (settings.clockFont == "Arial Black") {
      added = fonts.addFontFile(fontFile("Arial Black.ttf"));
    } else {
      added = fonts.addFontFile(fontFile("trebuc.ttf"));
      settings.clockFont = "Trebuchet MS";
    }
    if (added) {
      for (int i : {1, 2}) setFontName(Label1(i), settings.clockFont);
    }
  }
  for (platform::Control* c : {&Label9, &Label11}) {
    setFont(*c, settings.clockFont, size);
    c->setForeColor(colour);
  }
  setFontName(Picture2, settings.clockFont);
  Picture2.setForeColor(colour);
  if (fontFailed(Label9, settings.clockFont, size)) {
    fonts.addFontFile(fontFile("trebuc.ttf"));
    for (platform::Control* c : {&Label1(1), &Label1(2), &Label9, &Label11, &Picture2}) {
      setFontName(*c, "Trebuchet MS");
    }
    for (platform::Control* c : {&Label1(1), &Label1(2), &Label9, &Label11})
      setFont(*c, c->Font().name, size);
  }
}

// An opaque clock shows its back picture, or its back colour when there is none; a see-through
// clock keys out a colour near the text colour.
void TimeGlass::setUpBackground(std::uint32_t colour) {
  SettingsBlock& settings = app_.settings;
  if (Mid(settings.checkvalue, 12, 1) != "0") {
    Picture3.setPicture("", 0, 0);
    app_.run.BackPictureOn = false;
    changcolor(colour);
    return;
  }
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string name = parts.empty() ? "" : parts[0];
  Picture3.setPicture("", 0, 0);
  const std::string path = app_.pathInProgramFolder("picture\\" + name);
  app_.run.BackPictureOn = false;
  if (!name.empty() && app_.platform.files.normalFileExists(path)) {
    const PictureDimensions size = PictureSize(app_.platform.files, path);
    Picture3.setPicture(path, size.width, size.height);
    app_.run.BackPictureOn = true;
    settings.picture_width = std::min(size.width, 600);
    settings.picture_height = std::min(size.height, 450);
  } else {
    const auto back = static_cast<std::uint32_t>(CLng(Val(parts.at(1))));
    setBackColor(back);
    Picture2.setBackColor(back);
  }
}

// The face sized around the first text (and the back picture); a count-down of no length shows
// the time of day instead.
void TimeGlass::layOutFirstText(bool countDown) {
  const bool noLength = countDown && app_.run.RunSeconds == 0;
  Label1(1).move(0, 0, Label1(1).Width(), Label1(1).Height());
  Label1(2).move(0, 13800, Label1(2).Width(), Label1(2).Height());
  if (app_.run.BackPictureOn) {
    const double t = app_.settings.Time_all;
    Label1(1).setCaption(CountText(3, Hour(t), Minute(t), Second(t)));
  } else {
    Label1(1).setAutoSize(true);
    Label1(2).setAutoSize(true);
    Label11.setCaption(Label1(1).Caption());
  }
  if (noLength) {
    Label1(1).setTop(13800);
    Label1(2).setTop(0);
    Label11.setCaption(Label1(2).Caption());
  }
  // The face itself is sized by ShowStatue from Label11; Picture2 starts at the corner.
  Picture2.move(0, 0, Picture2.Width(), Picture2.Height());
  Picture1.setVisible(true);
  Picture2.setVisible(true);
}

// A palette entry by the index in characters 4-5 of Fontselect, or the custom
// colour after its first 8 characters when the index is 17 or more.
std::uint32_t FaceColour(const std::string& fontselect) {
  const int index = static_cast<int>(Val(Mid(fontselect, 4, 2)));
  if (index < 17) return ColorByIndex(index);
  return static_cast<std::uint32_t>(CLng(Val(Mid(fontselect, 9))));
}

}  // namespace horalix
