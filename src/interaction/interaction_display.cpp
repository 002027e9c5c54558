// How the interaction window shows its text: the display selection's font (with the program's
// own font files as a fallback) and colour, the see-through background, the window sized to the
// text, and its place on the primary or the extended screen.
#include <exception>

#include "clock/clock.h"
#include "interaction/interaction_needs.h"
#include "interaction/interaction_window.h"
#include "services/attempt.h"
#include "services/palette.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"
#include "services/window_shape.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "Frm_hudong display";

void setFontName(platform::Control& c, const std::string& name) {
  platform::FontSpec f = c.Font();
  f.name = name;
  c.setFont(f);
}

void setFontSize(platform::Control& c, double size) {
  platform::FontSpec f = c.Font();
  f.size = size;
  c.setFont(f);
}

// The system did not give the face asked for, or gave a size far from it.
bool fontNotApplied(const platform::Control& label, const std::string& name, double size) {
  const platform::FontSpec got = label.realisedFont();
  return got.name != name || got.size < size - 2 || got.size > size + 10;
}

}  // namespace

// Every step goes on after a failing one. A face the system lacks is replaced by the program's
// own file of it (Arial Black), or by Trebuchet MS from its own file; fonts added are kept for
// the life of the process.
void InteractionWindow::applyDisplaySelection(const std::vector<std::string>& fields) {
  auto attempt = [this](auto&& step) { horalix::attempt(needs_.platform.log, kWhere, step); };
  auto field = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
  std::string face = field(0);
  const double size = Val(field(1));
  platform::FontService& fonts = needs_.platform.fonts;
  auto fontFile = [this](const char* file) {
    return pathInProgramFolder(needs_.platform, std::string("font\\") + file);
  };
  attempt([&] {
    setFontName(textMeasure, face);
    setFontSize(textMeasure, size);
    setFontName(Picture4, face);
  });
  attempt([&] {
    if (!fontNotApplied(textMeasure, face, size)) return;
    bool added = false;
    if (face == "Arial Black") {
      added = fonts.addFontFile(fontFile("Arial Black.ttf"));
    } else {
      added = fonts.addFontFile(fontFile("trebuc.ttf"));
      face = "Trebuchet MS";
    }
    if (added) {
      setFontName(Picture4, face);
      setFontName(textMeasure, face);
      setFontSize(textMeasure, size);
    }
  });
  attempt([&] {
    if (!fontNotApplied(textMeasure, face, size)) return;
    fonts.addFontFile(fontFile("trebuc.ttf"));
    setFontName(textMeasure, "Trebuchet MS");
    setFontName(Picture4, "Trebuchet MS");
    setFontSize(textMeasure, size);
  });
  std::uint32_t colour = 0;
  attempt([&] {
    const double index = Val(field(2));
    colour =
        index < 17 ? ColorByIndex(CInt(index)) : static_cast<std::uint32_t>(CLng(Val(field(3))));
    Picture4.setForeColor(colour);
  });
  attempt([&] {
    Picture4.setVisible(true);
    Picture4.move(0, 0, textMeasure.Width() + 200, textMeasure.Height() + 200);
    move(Left(), Top(), Picture4.Width(), Picture4.Height());
  });
  attempt([&] { changcolor(colour); });
}

void InteractionWindow::changcolor(std::uint32_t colour) {
  const std::uint32_t key = KeyColour(colour);
  Picture4.setBackColor(key);
  setBackColor(key);
  setLayered(key, 255);
}

void InteractionWindow::ShowStatue(const std::string& text, int size) {
  try {
    Picture4.move(0, 0, textMeasure.Width() + 200, textMeasure.Height() + 200);
    move(Left(), Top(), Picture4.Width(), Picture4.Height());
    Picture4.setAutoRedraw(true);
    Picture4.Cls();
    setFontSize(Picture4, size);
    Picture4.CurrentX = (Picture4.ScaleWidth() - Picture4.TextWidth(text)) / 2.0;
    Picture4.CurrentY = (Picture4.ScaleHeight() - Picture4.TextHeight(text)) / 2.0;
    Picture4.Print(text);
    Picture4.setAutoRedraw(false);
  } catch (const std::exception& e) {
    // The countdown halts on the last text drawn rather than ticking on blind.
    needs_.platform.log(std::string("Frm_hudong.ShowStatue: ") + e.what());
    for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6}) {
      t->setEnabled(false);
    }
  }
}

void InteractionWindow::placeCentred() {
  setTop(CLng((screenHeightTwips() - Height()) / 2.0));
  centreHorizontally(needs_.run.onExtendedScreen());
}

// The extended screen is taken to lie right of the primary screen, with its width.
void InteractionWindow::centreHorizontally(bool extendedScreen) {
  const int width = screenWidthTwips();
  const double left = (width - Width()) / 2.0 + (extendedScreen ? width : 0);
  setLeft(CLng(left));
}

}  // namespace horalix
