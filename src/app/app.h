// The running program: the platform it stands on, the settings record, the run variables and
// the windows that stay loaded for the life of the process.
#pragma once

#include <memory>
#include <string>

#include "app/run_variables.h"
#include "app/settings_block.h"
#include "platform/platform.h"

namespace horalix {

class FrmExit;
class FrmProcess;
class FrmHudong;
class TimeGlass;
class TimeGlassTwo;
class SettingsWindow;
class FrmDataSum;
class FrmOfftensetting;
class FrmHudongSet;
class FrmLight;
class FrmMoveBackground;
class FrmMoveBefore;
class FrmAuthorWx;
class FrmTishi;
class FrmBlack;

class App {
 public:
  explicit App(platform::Platform& platform);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  platform::Platform& platform;
  SettingsBlock settings;
  RunVariables run;

  // The program folder without a trailing "\" (a drive root keeps it), and paths inside it.
  std::string programFolder() const;
  std::string pathInProgramFolder(const std::string& name) const;
  std::string iniPath() const { return pathInProgramFolder("TimeData.db"); }

  // The six windows that Main opens, in the order it opens them.
  FrmExit& frmExit() { return *frmExit_; }
  FrmProcess& frmProcess() { return *frmProcess_; }
  FrmProcess& frmProcessTwo() { return *frmProcessTwo_; }
  FrmHudong& frmHudong() { return *frmHudong_; }
  TimeGlass& timeGlass() { return *timeGlass_; }
  TimeGlassTwo& timeGlassTwo() { return *timeGlassTwo_; }

  // The tool windows: loaded when a command opens them, unloaded when they close.
  SettingsWindow& settingsWindow() { return *settingsWindow_; }
  FrmDataSum& frmDataSum() { return *frmDataSum_; }
  FrmOfftensetting& frmOfftensetting() { return *frmOfftensetting_; }
  FrmHudongSet& frmHudongSet() { return *frmHudongSet_; }
  FrmLight& frmLight() { return *frmLight_; }
  FrmMoveBackground& frmMoveBackground() { return *frmMoveBackground_; }
  FrmMoveBefore& frmMoveBefore() { return *frmMoveBefore_; }
  FrmAuthorWx& frmAuthorWx() { return *frmAuthorWx_; }
  // The time-up prompt and its backdrop: loaded for one showing, unloaded when it closes.
  FrmTishi& frmTishi() { return *frmTishi_; }
  FrmBlack& frmBlack() { return *frmBlack_; }

  // Ends the process: the event loop returns.
  void endProcess(int exitCode = 0);
  bool ended() const { return ended_; }

 private:
  std::unique_ptr<FrmExit> frmExit_;
  std::unique_ptr<FrmProcess> frmProcess_;
  std::unique_ptr<FrmProcess> frmProcessTwo_;
  std::unique_ptr<FrmHudong> frmHudong_;
  std::unique_ptr<TimeGlass> timeGlass_;
  std::unique_ptr<TimeGlassTwo> timeGlassTwo_;
  std::unique_ptr<SettingsWindow> settingsWindow_;
  std::unique_ptr<FrmDataSum> frmDataSum_;
  std::unique_ptr<FrmOfftensetting> frmOfftensetting_;
  std::unique_ptr<FrmHudongSet> frmHudongSet_;
  std::unique_ptr<FrmLight> frmLight_;
  std::unique_ptr<FrmMoveBackground> frmMoveBackground_;
  std::unique_ptr<FrmMoveBefore> frmMoveBefore_;
  std::unique_ptr<FrmAuthorWx> frmAuthorWx_;
  std::unique_ptr<FrmTishi> frmTishi_;
  std::unique_ptr<FrmBlack> frmBlack_;
  bool ended_ = false;
};

}  // namespace horalix
