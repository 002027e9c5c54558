// A 10-second manual run of the floating clock in virtual time, up to its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "main/timing_control.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "services/variant.h"
#include "store/preset_database.h"
#include "support/main_window_fixture.h"

namespace horalix::test {

class RunEndTest : public MainWindowTest {
 protected:
  RunEndTest() {
    for (const char* file : {"sounds\\start.wav", "sounds\\Timeout.wav", "sounds\\Stop.wav"}) {
      installFile(file);
    }
  }

  // The program started with a 10-second run set up and the clock idle as at launch.
  void launch(const std::string& optvalue) {
    start();
    app.settings.Time_all = 10.0 / 86400;
    app.settings.optvalue = optvalue;
    clock.Timer5.setEnabled(true);
    runStart();
  }
  void startRun() {
    StartTiming(app.mainNeeds);
    runStart();
  }
  // Advances in steps of 1 ms until `done` holds, at most `limit` ms; returns the time it took.
  template <class Condition>
  std::int64_t until(Condition&& done, std::int64_t limit = 60'000) {
    for (std::int64_t waited = 0; waited <= limit; ++waited) {
      if (done()) return waited;
      loop.advance(1);
    }
    return -1;
  }
  std::string clocksite(const char* key) {
    return variantText(
        IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite", key, ""));
  }
  std::size_t runRows() {
    PresetDatabase officeData{platform.database, files, messageBoxes, files.programFolder(),
                              "731QT908"};
    return officeData.runRecords().table.rows.size();
  }
  bool runEnded() { return main.menu_one(1).Enabled() && !main.menu_one(3).Enabled(); }
  // How often the sound file `name` was played since the sound record held `from` entries.
  int playsSince(std::size_t from, const std::string& name) const {
    int plays = 0;
    for (std::size_t i = from; i < sound.waves().size(); ++i)
      plays += sound.waves()[i].path == programPath("sounds\\" + name);
    return plays;
  }

  static constexpr const char* kStop = "100100010";
  static constexpr const char* kOvertime = "100100100";
  static constexpr const char* kCycle = "100100001";
};

}  // namespace horalix::test
