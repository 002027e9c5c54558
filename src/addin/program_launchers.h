// The programs that the add-in's ribbon buttons start: the clock program and two sibling timer
// programs, each found through the folder it records in `pathget` under its own key of
// HKEY_CURRENT_USER. A sibling settings tool is only looked for.
#pragma once

#include <optional>
#include <string>

#include "addin/addin_services.h"

namespace horalix::addin {

// The kinds of program, numbered as the installed-program test takes them.
enum class ProgramKind { SettingsTool = 1, Clock = 2, MeetingTimer = 3, DebateTimer = 4 };

struct ProgramEntry {
  ProgramKind kind;
  const char* key;         // its key under HKEY_CURRENT_USER, which holds `pathget`
  const char* executable;  // its file name in that folder
};

const ProgramEntry& program(ProgramKind kind);

// The full path of the program's executable, from its stored folder; nullopt when the folder
// is not stored or empty (a path built from nothing would name a file at the drive root).
std::optional<std::string> programPath(AddinServices& services, ProgramKind kind);

// Whether the program's executable stands in its stored folder.
bool clockinstalled(AddinServices& services, ProgramKind kind);

// Starts the program without arguments, after the action gate; when it runs already (its
// executable is locked) says so instead. Nothing happens when it is not installed.
void launchProgram(AddinServices& services, ProgramKind kind);

}  // namespace horalix::addin
