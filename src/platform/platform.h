// Everything the program reaches outside itself, in one object that the entry point (or a test)
// builds and hands to the core.
#pragma once

#include "platform/automation.h"
#include "platform/database.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/log.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/scripting_shell.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "platform/tray.h"

namespace horalix::platform {

struct Platform {
  EventLoop& loop;
  FormHost& forms;
  Registry& registry;
  ScriptingShell& scriptingShell;
  FileSystem& files;
  Database& database;
  Desktop& desktop;
  Tray& tray;
  HotKeys& hotKeys;
  MessageBoxes& messageBoxes;
  Sound& sound;
  Shell& shell;
  Dialogs& dialogs;
  SingleInstance& instance;
  // Logs an error that was caught and passed over, so that the program goes on.
  Log log;
  // Font realisation, text measurement and the program's own font files.
  FontService& fonts;
  // Other programs' objects by late binding (the spreadsheet of the statistics export).
  Automation& automation;
};

}  // namespace horalix::platform
