// What every subsystem receives: the platform it stands on, the settings record, the run
// variables, the program folder, and the windows of the other subsystems it calls.
//
// The program's composition (app/) fills this in. The window types are only declared here; each
// is defined in its subsystem's public header (clock/clock.h, main/main.h, bars/bars.h,
// interaction/interaction.h, settings/settings.h, presets/presets.h), which a caller includes
// for the members it uses. The shared services below the subsystems see only what this header
// defines: the platform, the two records, and the run-state window as a plain form.
#pragma once

#include <string>

#include "platform/forms.h"
#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// main/main.h
class MainWindow;
// bars/bars.h
class PromptBar;
class FollowSpotlight;
class SpotlightDarkLayer;
class SpotlightVeil;
class OnlineHelpWindow;
class TimeUpPrompt;
class TimeUpBackdrop;
// interaction/interaction.h
class InteractionWindow;
class InteractionSettingsWindow;
// clock/clock.h
class FloatingClock;
class MirrorClock;
// settings/settings.h
class SettingsWindow;
// presets/presets.h
class StatisticsWindow;
class PresetManager;

class Context {
 public:
  explicit Context(platform::Platform& platform) : platform(platform) {}
  virtual ~Context() = default;
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  platform::Platform& platform;
  SettingsBlock settings;
  RunState run;

  // The program folder without a trailing "\" (a drive root keeps it), and paths inside it.
  std::string programFolder() const;
  std::string pathInProgramFolder(const std::string& name) const;
  std::string iniPath() const;

  // The six windows that Main opens, in the order it opens them.
  virtual MainWindow& mainWindow() = 0;
  virtual PromptBar& promptBar() = 0;
  virtual PromptBar& secondPromptBar() = 0;
  virtual InteractionWindow& interactionWindow() = 0;
  virtual FloatingClock& floatingClock() = 0;
  virtual MirrorClock& mirrorClock() = 0;

  // The tool windows: loaded when a command opens them, unloaded when they close.
  virtual SettingsWindow& settingsWindow() = 0;
  virtual StatisticsWindow& statisticsWindow() = 0;
  virtual PresetManager& presetManager() = 0;
  virtual InteractionSettingsWindow& interactionSettingsWindow() = 0;
  virtual FollowSpotlight& followSpotlight() = 0;
  virtual SpotlightDarkLayer& spotlightDarkLayer() = 0;
  virtual SpotlightVeil& spotlightVeil() = 0;
  virtual OnlineHelpWindow& onlineHelpWindow() = 0;
  // The time-up prompt and its backdrop: loaded for one showing, unloaded when it closes.
  virtual TimeUpPrompt& timeUpPrompt() = 0;
  virtual TimeUpBackdrop& timeUpBackdrop() = 0;

  // The hidden main window as a plain form: its hidden labels and menu items hold the run
  // state, which the shared services read and write by name.
  virtual platform::Form& runStateWindow() = 0;
  // Adds the run record as a row of the statistics table.
  virtual void addRunRecordRow(const RunState::Record& record) = 0;

  // The interfaces through which a subsystem calls one above it.
  virtual Ports& ports() = 0;

  // Ends the process: the event loop returns.
  void endProcess(int exitCode = 0);
  bool ended() const { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace horalix
