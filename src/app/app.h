// The running program: it owns the windows that stay loaded for the life of the process and
// fills in the context that every subsystem receives.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "services/context.h"

namespace horalix {

class App final : public Context {
 public:
  explicit App(platform::Platform& platform);
  ~App() override;

  FrmExit& frmExit() override { return *frmExit_; }
  FrmProcess& frmProcess() override { return *frmProcess_; }
  FrmProcess& frmProcessTwo() override { return *frmProcessTwo_; }
  FrmHudong& frmHudong() override { return *frmHudong_; }
  TimeGlass& timeGlass() override { return *timeGlass_; }
  TimeGlassTwo& timeGlassTwo() override { return *timeGlassTwo_; }

  SettingsWindow& settingsWindow() override { return *settingsWindow_; }
  FrmDataSum& frmDataSum() override { return *frmDataSum_; }
  FrmOfftensetting& frmOfftensetting() override { return *frmOfftensetting_; }
  FrmHudongSet& frmHudongSet() override { return *frmHudongSet_; }
  FrmLight& frmLight() override { return *frmLight_; }
  FrmMoveBackground& frmMoveBackground() override { return *frmMoveBackground_; }
  FrmMoveBefore& frmMoveBefore() override { return *frmMoveBefore_; }
  FrmAuthorWx& frmAuthorWx() override { return *frmAuthorWx_; }
  FrmTishi& frmTishi() override { return *frmTishi_; }
  FrmBlack& frmBlack() override { return *frmBlack_; }

  platform::Form& runStateWindow() override;
  void addRunRecordRow() override;

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
};

}  // namespace horalix
