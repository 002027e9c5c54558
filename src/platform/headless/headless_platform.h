// The whole simulated desktop in one object: one of each headless service, wired together, and
// the platform::Platform that the core receives. Tests reach each service by its own type.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_automation.h"
#include "platform/headless/headless_database.h"
#include "platform/headless/headless_desktop.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_event_loop.h"
#include "platform/headless/headless_file_system.h"
#include "platform/headless/headless_fonts.h"
#include "platform/headless/headless_form_host.h"
#include "platform/headless/headless_message_boxes.h"
#include "platform/headless/headless_registry.h"
#include "platform/headless/headless_scripting_shell.h"
#include "platform/headless/headless_shell.h"
#include "platform/headless/headless_single_instance.h"
#include "platform/headless/headless_sound.h"
#include "platform/headless/headless_tray.h"
#include "platform/platform.h"
#include "platform/sqlite/sqlite_database.h"

namespace horalix::platform {

class HeadlessPlatform {
 public:
  // The program folder is a Windows path; its files live in a temporary folder that is removed
  // with the platform.
  explicit HeadlessPlatform(const std::string& programFolder = "C:\\Program Files\\Horalix");
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  Platform& platform() { return platform_; }

  HeadlessEventLoop& loop() { return loop_; }
  HeadlessFormHost& forms() { return forms_; }
  HeadlessFileSystem& files() { return files_; }
  HeadlessFonts& fonts() { return fonts_; }
  HeadlessRegistry& registry() { return registry_; }
  HeadlessScriptingShell& scriptingShell() { return scriptingShell_; }
  HeadlessDatabase& database() { return database_; }
  HeadlessDesktop& desktop() { return desktop_; }
  HeadlessTray& tray() { return tray_; }
  HeadlessHotKeys& hotKeys() { return hotKeys_; }
  HeadlessMessageBoxes& messageBoxes() { return messageBoxes_; }
  HeadlessSound& sound() { return sound_; }
  HeadlessShell& shell() { return shell_; }
  HeadlessDialogs& dialogs() { return dialogs_; }
  HeadlessSingleInstance& instance() { return instance_; }
  HeadlessAutomation& automation() { return automation_; }

  // What the program logged through Platform::log: errors it passed over on purpose and went
  // on. (Handlers that threw are in loop().errors().)
  const std::vector<std::string>& logged() const { return logged_; }
  void clearLogged() { logged_.clear(); }

 private:
  // The loop comes first and goes last: every timer of every form is scheduled on it.
  HeadlessEventLoop loop_;
  HeadlessFormHost forms_{loop_};
  HeadlessFileSystem files_;
  HeadlessFonts fonts_{files_};
  HeadlessRegistry registry_;
  HeadlessScriptingShell scriptingShell_{registry_};
  SqliteDatabase sqlite_;
  HeadlessDatabase database_{files_, sqlite_};
  HeadlessDesktop desktop_;
  HeadlessTray tray_{loop_, files_};
  HeadlessHotKeys hotKeys_{loop_};
  HeadlessMessageBoxes messageBoxes_{loop_};
  HeadlessSound sound_{loop_, files_};
  HeadlessShell shell_{files_};
  HeadlessDialogs dialogs_{loop_};
  HeadlessSingleInstance instance_;
  HeadlessAutomation automation_;
  std::vector<std::string> logged_;
  Platform platform_;
};

}  // namespace horalix::platform
