// A started program on the simulated desktop: the required files are in the program folder,
// Main has opened the six windows, and the settings record holds its defaults with automatic
// timing switched off (a presenter starting runs from the tray menu) and pausing allowed.
#pragma once

#include <string>

#include "app/app.h"
#include "app/program_start.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "main/main_window.h"
#include "services/ini_read_write.h"
#include "services/option_names.h"
#include "services/program_values.h"
#include "services/settings_record.h"
#include "services/startup_check.h"
#include "support/headless_fixture.h"

namespace horalix::test {

class MainWindowTest : public HeadlessFixture {
 protected:
  MainWindowTest() {
    for (const char* file : kRequiredFiles) installFile(file);
  }

  void start() {
    Main(app);
    ASSERT_FALSE(app.ended()) << "the program did not start";
    app.settings = defaultSettings();
    setOption(app.settings.checkvalue, CheckFlag::PauseAllowed, true);
    setAutomaticTiming(false);
    // The clocks' loads arm the first run starts, which also put the clocks in place; they are
    // held back here, so that a test runs a run start itself when it needs one.
    clock.Timer5.setEnabled(false);
    mirror.Timer5.setEnabled(false);
    clock.restoreAtNextStart = false;
  }

  // AImode lives in the registry; the readers refresh the record from there.
  void setAutomaticTiming(bool on) {
    programValues(app.platform).writeText("AImode", on ? "01111101" : "10111101");
  }
  void setSecondScreen(bool on) {
    programValues(app.platform).writeNumber("second_screen", on ? 1 : 0);
  }

  // Gives a command of the tray menu its hot key (a key of TimeData.db [Hotkey]) and takes the
  // keys again, so that the key shows after the command's caption.
  void giveHotKey(const std::string& key, const std::string& text) {
    IniReadWrite(files, "write", programPath("TimeData.db"), "Hotkey", key, text);
    main.hotkey_del();
    main.Hotkey_set();
  }

  // Lets the clock's run start (armed 20 ms before) run.
  void runStart() { loop.advance(20); }
  // Lets the mirror's run start, which the clock's arms, run too: both clocks measure the run
  // from this moment, 20 ms after the clock's own start.
  void mirrorRunStart() { loop.advance(20); }

  // The text last drawn on a clock's face ("" when the face was left blank).
  static std::string drawnText(const ClockWindow& window) {
    std::string text;
    for (const platform::DrawOp& op : window.Picture2.drawing()) {
      if (op.kind == platform::DrawOp::Kind::Text) text = op.text;
    }
    return text;
  }

  App app{platform};
  MainWindow& main = app.mainWindow();
  FloatingClock& clock = app.floatingClock();
  MirrorClock& mirror = app.mirrorClock();
};

}  // namespace horalix::test
