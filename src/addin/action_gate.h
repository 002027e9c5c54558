// The check that runs before the add-in publishes a document or starts a program: the stored
// version must not be newer than the add-in's, and the program folder must be complete. Unlike
// the program's own start-up check, a differing version never deletes any setting.
#pragma once

#include <array>
#include <string>

#include "addin/addin_services.h"

namespace horalix::addin {

// The files that the folder the library was loaded from must hold, in the order they are
// looked for: the program folder as the build lays it out.
inline constexpr std::array<const char*, 5> kAddinRequiredFiles{
    "OfficeData.db", "help.CHM", "TimeData.db", "Horalix.exe", "Horalink32.dll"};

// This library's version value: major + minor / 10 (5.2); the program stores the same.
double addinVersion();

// CheckVersion, then (only when it passed) CheckInstallFiles.
bool ActionGate(AddinServices& services);
// A newer stored `Version` refuses with "请使用最新版本"; an older or missing one is raised to
// this library's.
bool CheckVersion(AddinServices& services);
// Every required file is looked for; any missing gives one "保持程序完整，请重新安装".
bool CheckInstallFiles(AddinServices& services);

// The text before its first CR, LF or NUL (all of it when it has none); the argument is cut
// the same way.
std::string CutAtLineEnd(std::string& text);

}  // namespace horalix::addin
