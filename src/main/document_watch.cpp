// The document watch: the main window's heartbeat while no run counts. At every tick it repeats
// the start-up check, looks at the open documents (the add-in's hand-over values or the window
// titles), binds the run to the document of the highest kind that is open and enabled, redraws
// the idle clock and, with automatic timing on, starts a run for the bound document with that
// document's preset and hands over to the end watch.
#include <array>
#include <string>

#include "clock/clock.h"
#include "main/file_preset.h"
#include "main/idle_clock.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/watched_documents.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/ini_read_write.h"
#include "services/option_names.h"
#include "services/program_folder.h"
#include "services/program_values.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/sound_playback.h"
#include "services/startup_check.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"

namespace horalix {

namespace {

constexpr int kWatchInterval = 200;

// The options of the first automatic pass without a document: reminders off, so that no count
// starts; they live only until the settings are loaded again.
constexpr char kFirstPassCheckvalue[] = "000111010100011111111111111100101";

// The document a kind's candidate names: the add-in's value as written, or the name of the
// topmost matching window when it is longer than 3 characters.
std::string candidateOf(const DocumentSight& sight, DocumentKind kind) {
  if (sight.reportedByAddin(kind)) return sight.reportedOf(kind);
  const FileList& list = sight.titledOf(kind);
  if (!list || Len(list->front()) <= 3) return "";
  return list->front();
}

// The whole seconds of a stored time text; nullopt when it is no time.
std::optional<std::int32_t> secondsOfText(const std::string& text) {
  try {
    return TimeToSeconds(CDate(text));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

void MainWindow::resumeDocumentWatch() { Timer4.setEnabled(true); }

void MainWindow::pauseDocumentWatch() { Timer4.setEnabled(false); }

void MainWindow::restWatches() {
  Timer4.setEnabled(false);
  Timer5.setEnabled(false);
}

void MainWindow::returnToDocumentWatch() {
  Timer4.setEnabled(true);
  Timer5.setEnabled(false);
}

void MainWindow::Timer4_Timer() {
  // A refusal ends the program: the watch timers stop before its message, so that the message
  // comes once and nothing else starts behind it.
  const bool mayRun = StartupCheck(needs_.platform, [this] {
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    Timer5.setEnabled(false);
  });
  if (!mayRun) {
    needs_.programEnd.endProcess(0);
    return;
  }
  Timer3.setEnabled(true);
  Timer4.setInterval(kWatchInterval);

  std::int16_t clockopen = 0;
  double storedTime = 0;
  attempt(needs_.platform.log, "document watch, registry", [&] {
    programValues(needs_.platform)
        .readGroup({ReadSlot::int16("clockopen", clockopen), durationSlot("Time_all", storedTime)});
  });
  // A stored set time of zero, or one that cannot be converted, gives way to the one in memory.
  double setTime = needs_.settings.Time_all;
  attempt(needs_.platform.log, "document watch, set time", [&] {
    if (TimeToSeconds(storedTime) != 0) setTime = storedTime;
  });

  // The last enabled kind with a document wins: a slide show beats a workbook, a drawing all.
  const DocumentSight sight = lookForDocuments(needs_.platform, clockopen, needs_.settings.AImode);
  std::string found;
  for (DocumentKind kind : kDocumentKinds) {
    const std::string candidate = candidateOf(sight, kind);
    if (Len(candidate) > 4 && kindEnabled(needs_.settings.AImode, kind)) {
      const int k = static_cast<int>(kind);
      needs_.run.binding.lastPerKind.at(k) = candidate;
      needs_.run.binding.documentKind = kind;
      found = candidate;
    }
  }
  if (Len(found) > 4 && ReadAImode(needs_.platform, needs_.settings))
    needs_.run.binding.bindDocument(found);

  idleClockRefresh(needs_, setTime);

  if (!ReadAImode(needs_.platform, needs_.settings)) {
    // Manual timing: the watch only redraws the idle clock while nothing is bound since a run
    // ended; before the first run it stops after one pass.
    Timer4.setEnabled(needs_.run.binding.kind() == BindingKind::None);
    Timer5.setEnabled(false);
    return;
  }
  if (found.empty() && firstPassMade_) return;
  automaticStart(found);
}

// Starts the run of the bound document, or, on the first pass without one, settles the clocks
// with the stored settings; either way the end watch takes over.
void MainWindow::automaticStart(const std::string& bound) {
  const char* where = "document watch, start";
  Timer3.setEnabled(false);
  attempt(needs_.platform.log, where,
          [&] { needs_.run.method = static_cast<ClockMethod>(ReadClockMode(needs_.platform)); });
  Timer4.setEnabled(false);

  attempt(needs_.platform.log, where, [&] {
    if (Len(stageSounds_) > 3) {
      for (const std::string& name : Split(stageSounds_, "\\"))
        StopMusic(needs_.platform, pathInProgramFolder(needs_.platform, "sounds\\" + name));
    }
  });
  attempt(needs_.platform.log, where, [&] {
    const std::string music = programValues(needs_.platform).readText("musicname");
    StopMusic(needs_.platform, pathInProgramFolder(needs_.platform, "sounds\\" + music));
  });

  if (bound.empty() && !firstPassMade_) {
    attempt(needs_.platform.log, where, [&] { LoadSettings(needs_.platform, needs_.settings); });
    needs_.settings.checkvalue = kFirstPassCheckvalue;
    firstPassMade_ = true;
  } else {
    attempt(needs_.platform.log, where,
            [&] { LoadFilePreset(needs_.platform, needs_.settings, needs_.run.binding.text()); });
  }
  stageSounds_ = needs_.settings.tellsoundname;
  attempt(needs_.platform.log, where, [&] { continueLastRun(bound); });

  // A set duration that cannot be shown leaves the one shown last; the rest of the record is
  // reset all the same.
  std::string setTime = needs_.run.record.setTime;
  attempt(needs_.platform.log, where, [&] { setTime = recordSetTime(needs_.settings); });
  attempt(needs_.platform.log, where,
          [&] { startRunRecord(needs_.run, needs_.platform.loop, setTime, bound); });

  attempt(needs_.platform.log, where, [&] { captureScreenSize(needs_.platform, needs_.run); });
  FloatingClock& clock = needs_.floatingClock;
  clock.restoreAtNextStart = true;
  if (optionOn(needs_.settings.checkvalue, CheckFlag::TimedDuration)) {
    clock.armRunStart();
  } else {
    attempt(needs_.platform.log, where, [&] { RestoreClocks(needs_.clocks); });
  }
  Timer5.setEnabled(true);
}

// With the option to continue, the same document opened again runs for what was left of its
// last recorded run. Stages at or above that rest were passed before and do not fire again (the
// count's own rule for stages at or above the run's length).
void MainWindow::continueLastRun(const std::string& bound) {
  if (!ReadCheckFlag7(needs_.platform)) return;
  platform::FileSystem& files = needs_.platform.files;
  const std::string ini = iniPath(needs_.platform);
  auto read = [&](const char* key, const std::string& fallback) {
    return variantText(IniReadWrite(files, "readpart", ini, "clocksite", key, fallback));
  };
  const std::string setTime = read("set_time", recordSetTime(needs_.settings));
  const std::string usedTime = read("use_time", "0");
  if (read("filename", "") != bound) return;
  const auto set = secondsOfText(setTime);
  const auto used = secondsOfText(usedTime);
  if (set && used && *used < *set) needs_.settings.Time_all = SecondsToTime(*set - *used);
}

}  // namespace horalix
