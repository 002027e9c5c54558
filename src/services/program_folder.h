// The program folder and the paths of the files the program keeps in it.
#pragma once

#include <string>

#include "platform/platform.h"

namespace horalix {

// The program folder without a trailing "\" (a drive root keeps it).
std::string programFolder(const platform::Platform& platform);
// A path inside the program folder.
std::string pathInProgramFolder(const platform::Platform& platform, const std::string& name);
// The program's own INI file, TimeData.db.
std::string iniPath(const platform::Platform& platform);

}  // namespace horalix
