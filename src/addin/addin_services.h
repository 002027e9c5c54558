// What the add-in reaches outside itself: the registry (through the scripting shell first), the
// files of the program folder, program start and message boxes, and the host application that
// loaded it. The COM part builds these over Win32 and the host's object model; tests build them
// over the headless platform and a fake host.
#pragma once

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/scripting_shell.h"
#include "platform/shell.h"

namespace horalix::addin {

// The three kinds of office host that load the add-in, one add-in class each.
enum class HostKind { WordProcessor, Spreadsheet, Presentation };

// The little the add-in asks of a host application. A call that the host refuses gives nullopt.
class HostApplication {
 public:
  virtual ~HostApplication() = default;
  // The folder the host is installed in (its application path).
  virtual std::optional<std::string> path() = 0;
  // How many slide-show windows the host has open now (presentation hosts).
  virtual std::optional<int> slideShowWindowCount() = 0;
  // The name of the presentation the host has active (presentation hosts).
  virtual std::optional<std::string> activePresentationName() = 0;
};

struct AddinServices {
  platform::Registry& registry;
  platform::ScriptingShell& scriptingShell;
  platform::FileSystem& files;
  platform::Shell& shell;
  platform::MessageBoxes& messageBoxes;
  // The folder the library was loaded from, as the system reports it (with or without a final
  // "\"); the add-in is installed beside the program.
  std::string libraryFolder;
};

// The caption of the add-in's own message boxes.
inline constexpr char kAddinTitle[] = "Horalink32";

}  // namespace horalix::addin
