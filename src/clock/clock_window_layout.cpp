// The run start's styling of a clock face, shared by the floating clock and its mirror: the
// clock font with its fallbacks, the back picture, back colour or colour key, and the face laid
// out around the first text. Each step is attempted on its own.
#include <algorithm>
#include <vector>

#include "clock/clock_needs.h"
#include "clock/clock_window.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/picture_size.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"

namespace horalix {

namespace {

// Twips per pixel of the back picture's stored size.
constexpr int kPictureTwips = 15;

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

std::uint32_t faceColour(const std::string& fontselect) {
  const int index = static_cast<int>(Val(Mid(fontselect, 4, 2)));
  if (index < 17) return ColorByIndex(index);
  return static_cast<std::uint32_t>(CLng(Val(Mid(fontselect, 9))));
}

void ClockWindow::styleFace(int size, bool countDown) {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, where("Timer5").c_str(), statement);
  };
  std::uint32_t colour = 0;
  attempt([&] { colour = faceColour(needs_.settings.Fontselect); });
  attempt([&] { setUpFonts(size, colour); });
  Label1(1).setVisible(false);
  Label1(2).setVisible(false);
  attempt([&] { setUpBackground(colour); });
  attempt([&] { layOutFirstText(countDown); });
}

// The clock font on the labels and the drawing surface. A font that does not take is replaced
// by the program's own font file: Arial Black by its own, any other face by Trebuchet MS.
void ClockWindow::setUpFonts(int size, std::uint32_t colour) {
  SettingsBlock& settings = needs_.settings;
  platform::FontService& fonts = needs_.platform.fonts;
  auto fontFile = [this](const char* file) {
    return pathInProgramFolder(needs_.platform, std::string("font\\") + file);
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
void ClockWindow::setUpBackground(std::uint32_t colour) {
  SettingsBlock& settings = needs_.settings;
  if (optionChar(settings.checkvalue, CheckFlag::TransparentBack) != "0") {
    Picture3.setPicture("", 0, 0);
    needs_.run.BackPictureOn = false;
    changcolor(colour);
    return;
  }
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string name = parts.empty() ? "" : parts[0];
  Picture3.setPicture("", 0, 0);
  const std::string path = pathInProgramFolder(needs_.platform, "picture\\" + name);
  needs_.run.BackPictureOn = false;
  if (!name.empty() && needs_.platform.files.normalFileExists(path)) {
    const PictureDimensions size = PictureSize(needs_.platform.files, path);
    Picture3.setPicture(path, size.width, size.height);
    needs_.run.BackPictureOn = true;
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
void ClockWindow::layOutFirstText(bool countDown) {
  const bool noLength = countDown && needs_.run.RunSeconds == 0;
  view_ = FaceView::Count;
  // With a back picture the count starts at the set time, also when counting up; the face
  // text stays the first text.
  if (needs_.run.BackPictureOn) {
    countMillis_ = TimeToSeconds(needs_.settings.Time_all) * 1000;
  }
  if (noLength) {
    view_ = FaceView::TimeOfDay;
    setFaceText(timeOfDay_);
  }
  // The face itself is sized by ShowStatue around the text Label11 measures; Picture2 starts at
  // the corner.
  Picture2.move(0, 0, Picture2.Width(), Picture2.Height());
  Picture1.setVisible(true);
  Picture2.setVisible(true);
}

void ClockWindow::fitTextBox() {
  Picture2.move(Picture2.Left(), Picture2.Top(), Label11.Width() + 100, Label11.Height() + 20);
}

void ClockWindow::refitWindow() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, where("Form_LostFocus").c_str(), statement);
  };
  if (!needs_.run.BackPictureOn) {
    attempt([&] { move(Left(), Top(), Picture2.Width(), Picture2.Height()); });
    return;
  }
  attempt([&] {
    const int width = std::max(Picture2.Width(), needs_.settings.picture_width * kPictureTwips);
    const int height = std::max(Picture2.Height(), needs_.settings.picture_height * kPictureTwips);
    Picture1.move(Picture1.Left(), Picture1.Top(), width, height);
  });
  attempt([&] { move(Left(), Top(), Picture1.Width(), Picture1.Height()); });
  // The back picture is painted stretched over the whole surface, whatever its size.
  attempt([&] {
    const auto& desktop = needs_.platform.desktop;
    Picture1.PaintPicture(Picture1.Picture(), 0, 0, static_cast<float>(Picture1.Width()),
                          static_cast<float>(Picture1.Height()),
                          Picture1.pictureWidthPx() * desktop.twipsPerPixelX(),
                          Picture1.pictureHeightPx() * desktop.twipsPerPixelY());
  });
}

}  // namespace horalix
