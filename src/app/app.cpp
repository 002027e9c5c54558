#include "app/app.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "presets/presets.h"
#include "settings/settings.h"

namespace horalix {

App::App(platform::Platform& p)
    : Context(p),
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

platform::Form& App::runStateWindow() { return *frmExit_; }

void App::addRunRecordRow() { AddRunRecordRow(*this); }

}  // namespace horalix
