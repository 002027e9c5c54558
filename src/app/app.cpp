#include "app/app.h"

#include "bars/frm_author_wx.h"
#include "bars/frm_black.h"
#include "bars/frm_light.h"
#include "bars/frm_move_background.h"
#include "bars/frm_move_before.h"
#include "bars/frm_process.h"
#include "bars/frm_tishi.h"
#include "clock/time_glass.h"
#include "clock/time_glass_two.h"
#include "interaction/frm_hudong.h"
#include "interaction/frm_hudong_set.h"
#include "main/frm_exit.h"
#include "presets/frm_data_sum.h"
#include "presets/frm_offtensetting.h"
#include "settings/settings_window.h"

namespace horalix {

App::App(platform::Platform& p)
    : platform(p),
      frmExit_(std::make_unique<FrmExit>(*this)),
      frmProcess_(std::make_unique<FrmProcess>(*this, "Frm_process")),
      frmProcessTwo_(std::make_unique<FrmProcess>(*this, "Frm_process_two")),
      frmHudong_(std::make_unique<FrmHudong>(*this)),
      timeGlass_(std::make_unique<TimeGlass>(*this)),
      timeGlassTwo_(std::make_unique<TimeGlassTwo>(*this)),
      settingsWindow_(std::make_unique<SettingsWindow>(*this)),
      frmDataSum_(std::make_unique<FrmDataSum>(*this)),
      frmOfftensetting_(std::make_unique<FrmOfftensetting>(*this)),
      frmHudongSet_(std::make_unique<FrmHudongSet>(*this)),
      frmLight_(std::make_unique<FrmLight>(*this)),
      frmMoveBackground_(std::make_unique<FrmMoveBackground>(*this)),
      frmMoveBefore_(std::make_unique<FrmMoveBefore>(*this)),
      frmAuthorWx_(std::make_unique<FrmAuthorWx>(*this)),
      frmTishi_(std::make_unique<FrmTishi>(*this)),
      frmBlack_(std::make_unique<FrmBlack>(*this)) {}

App::~App() = default;

std::string App::programFolder() const { return platform.files.programFolder(); }

std::string App::pathInProgramFolder(const std::string& name) const {
  std::string folder = programFolder();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + name;
}

void App::endProcess(int exitCode) {
  ended_ = true;
  platform.loop.quit(exitCode);
}

}  // namespace horalix
