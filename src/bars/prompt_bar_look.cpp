// The prompt bar's look, read from TimeData.db [Hotkey] at load and again at every start, so
// that a changed setting takes effect at the next show.
#include "bars/bars_needs.h"
#include "bars/prompt_bar.h"
#include "services/attempt.h"
#include "services/palette.h"
#include "services/program_ini.h"
#include "services/text_runtime.h"
#include "services/window_shape.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

// A colour stored as decimal text: the number taken as a 32-bit integer, so that negative texts
// name the system colours (-2147483635 is the highlight colour 0x8000000D).
std::uint32_t colourOfText(const std::string& text) {
  return static_cast<std::uint32_t>(CLng(Val(text)));
}

}  // namespace

void PromptBar::loadLook() {
  auto read = [&](const char* key, const char* fallback) {
    return readProgramIni(needs_.platform, "Hotkey", key, fallback);
  };
  // Each setting on its own: one that cannot be read keeps the value read before.
  auto step = [&](auto&& statement) { attempt(needs_.platform.log, "prompt bar look", statement); };
  step([&] { look_.fontName = read("processFont", "Trebuchet ms"); });
  step([&] { look_.sizeIndex = CInt(Val(read("processFontSize", "5"))); });
  step([&] { look_.colourIndex = CInt(Val(read("processColor", "5"))); });
  step([&] { look_.customColour = CLng(Val(read("processForeset", "5"))); });
  step([&] { look_.transparent = CInt(Val(read("processvalue", "0"))); });
  step([&] { look_.backColourText = read("processBackColor", "-2147483635"); });
  if (role_.readsSizeOffset) step([&] { look_.sizeOffset = CInt(Val(read("processadd", "0"))); });

  Label1.setLeft(240);
  Label1.setTop(120);
  step([&] {
    platform::FontSpec font = Label1.Font();
    font.name = look_.fontName;
    Label1.setFont(font);
  });
  step([&] {
    platform::FontSpec font = Label1.Font();
    font.size = CInt(static_cast<double>(FontSizeByIndex(look_.sizeIndex)) + look_.sizeOffset);
    Label1.setFont(font);
  });
  const std::uint32_t textColour = look_.colourIndex < 17
                                       ? ColorByIndex(look_.colourIndex)
                                       : static_cast<std::uint32_t>(look_.customColour);
  Label1.setForeColor(textColour);
  if (look_.transparent == 1) {
    step([&] { changcolor(textColour); });
  } else {
    step([&] { setBarBackColor(colourOfText(look_.backColourText)); });
  }
}

// The text has no background of its own: the label takes the window's back colour, so that
// with a colour key only the letters stay.
void PromptBar::setBarBackColor(std::uint32_t colour) {
  setBackColor(colour);
  Label1.setBackColor(colour);
}

// The background takes a colour close to the text colour and that colour is keyed out: only the
// text shows. The layered style stays once given.
void PromptBar::changcolor(std::uint32_t nowcolor) {
  const std::uint32_t key = KeyColour(nowcolor);
  setBarBackColor(key);
  setLayered(key, 255);
}

}  // namespace horalix
