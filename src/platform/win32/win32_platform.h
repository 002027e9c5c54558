// The Win32 backend in one object: every service of the platform layer over the real system,
// bundled into the platform::Platform that the program is handed.
#pragma once

#include "platform/platform.h"
#include "platform/sqlite/sqlite_database.h"
#include "platform/win32/dispatch_guard.h"
#include "platform/win32/registry_change_watch.h"
#include "platform/win32/win32_automation.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_form_host.h"
#include "platform/win32/win32_hot_keys.h"
#include "platform/win32/win32_log.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_scripting_shell.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_sound.h"
#include "platform/win32/win32_tray.h"

namespace horalix::win32 {

class Win32Platform {
 public:
  Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  platform::Platform& platform() { return platform_; }
  Win32EventLoop& loop() { return loop_; }
  Win32FormHost& forms() { return forms_; }
  Win32Log& log() { return log_; }

 private:
  Win32Log log_;
  DispatchGuard guard_;
  Win32EventLoop loop_;
  Win32FormHost forms_;
  RegistryChangeWatch registryWatch_;
  Win32Registry registry_{&registryWatch_};
  Win32ScriptingShell scriptingShell_{&registryWatch_};
  Win32FileSystem files_;
  platform::SqliteDatabase database_;
  Win32Desktop desktop_;
  Win32Tray tray_;
  Win32HotKeys hotKeys_;
  Win32MessageBoxes messageBoxes_;
  Win32Sound sound_;
  Win32Shell shell_;
  Win32Dialogs dialogs_;
  Win32SingleInstance instance_;
  Win32Automation automation_;
  platform::Platform platform_;
};

}  // namespace horalix::win32
