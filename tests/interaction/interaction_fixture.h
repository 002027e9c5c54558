// A started program whose TimeData.db holds interaction presets, with the program's own
// Trebuchet MS font file and the preset sounds in place, and helpers to choose a preset from the
// tray menu and to read what the countdown window shows.
#pragma once

#include <string>

#include "interaction/interaction_commands.h"
#include "interaction/interaction_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {

class InteractionTest : public MainWindowTest {
 protected:
  InteractionTest() {
    installFile("font\\trebuc.ttf");
    installFile("sounds\\alarm.wav");
    installFile("sounds\\ding.wav");
  }

  // One "hudongsetN" section with these values (an empty value is left out).
  static std::string section(int n, const std::string& sname, const std::string& checkvalue,
                             const std::string& Ttime = "5",
                             const std::string& Fontselect = "Trebuchet MS\\300\\4\\65535",
                             const std::string& soundname = "ding.wav") {
    std::string text = "[hudongset" + std::to_string(n) + "]\r\nid=" + std::to_string(n) + "\r\n";
    auto key = [&](const char* name, const std::string& value) {
      if (!value.empty()) text += std::string(name) + "=" + value + "\r\n";
    };
    key("sname", sname);
    key("checkvalue", checkvalue);
    key("Ttime", Ttime);
    key("Fontselect", Fontselect);
    key("soundname", soundname);
    return text;
  }

  void startWith(const std::string& ini) {
    installFile("TimeData.db", ini);
    start();
  }

  // Chooses preset item `index` of the tray menu and lets the start (100 ms later) run.
  void choose(int index) {
    main.hd_time_one(index).click();
    loop.advance(100);
  }
  void popupCommand(int index) { main.menuItem("Frmhudong", index).click(); }

  // The text printed last on the time's picture box, "" when it is blank or hidden.
  std::string shown() {
    if (!interaction.Picture4.Visible()) return "";
    const auto& drawn = interaction.Picture4.drawing();
    for (auto op = drawn.rbegin(); op != drawn.rend(); ++op) {
      if (op->kind == platform::DrawOp::Kind::Text) return op->text;
    }
    return "";
  }
  bool onScreen() { return interaction.Left() >= 0 && interaction.Top() >= 0; }
  int wavesPlayed(const std::string& file) {
    int n = 0;
    for (const auto& w : sound.waves()) n += w.path == programPath("sounds\\" + file);
    return n;
  }
  // Advances in steps of `step` ms until the window shows `text`; the virtual time it took.
  std::int64_t until(const std::string& text, std::int64_t limit = 4 * 3600 * 1000, int step = 10) {
    const std::int64_t from = loop.now();
    while (shown() != text && loop.now() - from < limit) loop.advance(step);
    return loop.now() - from;
  }

  InteractionWindow& interaction = app.interactionWindow();
};

}  // namespace horalix::test
