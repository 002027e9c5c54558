// The tray menu: its tree as designed and the click handlers of its three item arrays.
#include "main/tray_menu.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/clock_placement.h"
#include "main/frm_exit.h"
#include "main/run_state.h"
#include "main/timing_control.h"
#include "presets/presets.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "settings/settings.h"

namespace horalix {

// Captions are the design's; items of an array share a name and differ by index. The hot-key
// texts after some captions and the presets under "常用时钟" are added at run time.
void FrmExit::buildMenus() {
  auto& one1 = menu.add("menu_one", 1, "开始");
  auto& one2 = menu.add("menu_one", 2, "暂停");
  auto& one3 = menu.add("menu_one", 3, "停止");
  menu.add("menu_one", 5, "-");
  auto& two1 = menu.add("menu_two", 1, "隐藏");
  auto& two2 = menu.add("menu_two", 2, "设置");
  auto& presets = menu.add("menu_two", 3, "常用时钟");
  presets.add("menu_often", 0, "^");
  auto& lights = menu.add("menu_two", 4, "聚光灯");
  auto& follow = lights.add("MouseLight", 0, "跟随模式");
  auto& brightness = lights.add("MouseLight", 1, "动态亮度");
  menu.add("menu_two", 5, "-");
  auto& hudong = menu.add("hd_time", -1, "互动计时");
  hudong.add("hd_time_set", -1, "互动设置");
  hudong.add("hd_time_show", -1, "扩展屏显示");
  static const char* const presetCaptions[] = {"互动一", "互动二", "互动三", "互动四", "互动五"};
  for (int i = 0; i < 5; ++i) hudong.add("hd_time_one", i, presetCaptions[i]);
  auto& statistics = menu.add("menu_other", 0, "计时统计");
  auto& help = menu.add("menu_other", 2, "帮助");
  auto& onlineHelp = menu.add("menu_other", 3, "在线帮助");
  auto& exit = menu.add("menu_other", 4, "退出");

  // Both trees are popups only: hidden on the window, so it gets no menu bar.
  menu.setVisible(false);
  ppt_hudong.setVisible(false);
  ppt_hudong.add("Frmhudong", 0, "自由互动").setVisible(false);
  ppt_hudong.add("Frmhudong", 1, "暂停计时");
  ppt_hudong.add("Frmhudong", 2, "关闭计时");

  one1.Click = [this] { menu_one_Click(1); };
  one2.Click = [this] { menu_one_Click(2); };
  one3.Click = [this] { menu_one_Click(3); };
  two1.Click = [this] { menu_two_Click(1); };
  two2.Click = [this] { menu_two_Click(2); };
  follow.Click = [this] { MouseLight_Click(app_, 0); };
  brightness.Click = [this] { MouseLight_Click(app_, 1); };
  statistics.Click = [this] { menu_other_Click(0); };
  help.Click = [this] { menu_other_Click(2); };
  onlineHelp.Click = [this] { menu_other_Click(3); };
  exit.Click = [this] { menu_other_Click(4); };
}

void FrmExit::delform() {
  const std::string open = Label10.Caption();
  if (open == "setting") {
    app_.settingsWindow().Unload();
  } else if (open == "Frm_light") {
    MouseLight(0).setChecked(false);
    app_.frmLight().Unload();
  } else if (open == "Frm_move_background") {
    MouseLight(1).setChecked(false);
    app_.frmMoveBefore().Unload();
    app_.frmMoveBackground().Unload();
  } else if (open == "Frm_hudong_set") {
    app_.frmHudongSet().Unload();
  } else if (open == "Frm_data_sum") {
    app_.frmDataSum().Unload();
  }
}

void FrmExit::menu_one_Click(int Index) {
  switch (Index) {
    case 1:
      // With automatic timing on, runs start from the documents, never from this item.
      if (!ReadAImode(app_)) {
        delform();
        if (OptionOn(app_.settings.checkvalue, 1)) StartTiming(app_);
      }
      break;
    case 2:
      PauseResume(app_);
      break;
    case 3:
      StopTiming(app_);
      break;
    default:
      break;
  }
}

void FrmExit::menu_two_Click(int Index) {
  switch (Index) {
    case 1:
      ShowHideClock(app_);
      break;
    case 2:
      delform();
      Label10.setCaption("setting");
      app_.settingsWindow().Show();
      break;
    default:
      break;
  }
}

// Every command goes on after a failing step; the exit ends the process whatever failed.
void FrmExit::menu_other_Click(int Index) {
  switch (Index) {
    case 0:
      Attempt(app_, "statistics", [&] { delform(); });
      Label10.setCaption("Frm_data_sum");
      // The document watchers rest while the statistics are open; closing them restarts the
      // watch.
      Timer4.setEnabled(false);
      Timer5.setEnabled(false);
      Attempt(app_, "statistics", [&] { ResetRunRecord(app_); });
      app_.timeGlass().Timer3.setEnabled(false);
      app_.timeGlassTwo().Timer3.setEnabled(false);
      app_.timeGlass().Timer5.setEnabled(true);
      Attempt(app_, "statistics", [&] { app_.frmDataSum().Show(); });
      break;
    case 2:
      openHelp();
      break;
    case 3:
      Attempt(app_, "online help", [&] { app_.frmAuthorWx().Show(true); });
      break;
    case 4:
      exitProgram();
      break;
    default:
      break;
  }
}

// The help viewer first, with the file's path quoted so that a program folder with a blank in
// its name reaches it whole; then the HTML help function; then the user is told.
void FrmExit::openHelp() {
  const std::string chm = app_.pathInProgramFolder("help.chm");
  if (app_.platform.shell.startProgram("hh.exe \"" + chm + "\"",
                                       platform::Shell::Window::Maximized)) {
    return;
  }
  if (app_.platform.shell.htmlHelp(chm)) return;
  app_.platform.messageBoxes.show("无法打开帮助文件！", "Horalix", platform::mb::Ok);
}

// The windows go in a fixed order, the main window last: its unload takes the hot keys, the tray
// icon and clockopen with it. A count still running is not recorded, and the documents'
// hand-over values stay for the add-in.
void FrmExit::exitProgram() {
  platform::Form* const windows[] = {&app_.frmHudong(), &app_.frmProcess(),   &app_.frmProcessTwo(),
                                     &app_.timeGlass(), &app_.timeGlassTwo(), this};
  for (platform::Form* window : windows) {
    Attempt(app_, "exit", [&] { window->Unload(); });
  }
  Attempt(app_, "exit", [&] { deleteClockOpen(); });
  app_.endProcess(0);
}

void SetRunStartMenus(Context& app, bool counting) {
  FrmExit& main = app.frmExit();
  const std::string& check = app.settings.checkvalue;
  const bool manual = !ReadAImode(app);
  const bool pauseAllowed = OptionOn(check, 9);
  const bool settingsAllowed = OptionOn(check, 8);
  const bool presetsExist = main.menu_often(0).Caption() != "^";
  if (counting) {
    main.menu_one(1).setEnabled(false);
    main.menu_one(1).setVisible(manual);
    main.menu_one(2).setEnabled(pauseAllowed);
    main.menu_one(2).setVisible(pauseAllowed);
    SetCaptionPrefix(main.menu_one(2), "暂停");
    main.menu_one(3).setEnabled(manual);
    main.menu_one(3).setVisible(manual);
    main.menu_two(2).setEnabled(settingsAllowed);
    main.menu_two(2).setVisible(settingsAllowed);
    main.menu_two(3).setEnabled(settingsAllowed);
    main.menu_two(3).setVisible(settingsAllowed && presetsExist);
    for (int i : {0, 2, 3, 4}) {
      main.menu_other(i).setEnabled(false);
      main.menu_other(i).setVisible(false);
    }
  } else {
    main.menu_one(1).setEnabled(manual);
    main.menu_one(1).setVisible(manual);
    main.menu_one(2).setEnabled(false);
    main.menu_one(2).setVisible(pauseAllowed);
    main.menu_one(3).setEnabled(false);
    main.menu_one(3).setVisible(manual);
    ReleaseRunMenus(app);
  }
}

void ReleaseRunMenus(Context& app) {
  FrmExit& main = app.frmExit();
  const std::string& check = app.settings.checkvalue;
  main.menu_two(2).setEnabled(true);
  main.menu_two(2).setVisible(true);
  main.menu_two(3).setEnabled(true);
  main.menu_two(3).setVisible(OptionOn(check, 8) && main.menu_often(0).Caption() != "^");
  for (int i : {0, 2, 3, 4}) main.menu_other(i).setEnabled(true);
  for (int i : {0, 2, 3, 4}) main.menu_other(i).setVisible(true);
}

}  // namespace horalix
