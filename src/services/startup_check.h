// The start-up check that the program makes when it starts and repeats at every tick of the
// main window's watch timer: the stored version against this build's, then the required files.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace horalix {

namespace platform {
struct Platform;
}

// The program's title: the caption of its message boxes.
inline constexpr char kProgramTitle[] = "Horalix";

// This release. The stored version value is major + minor / 10; the revision takes no part.
inline constexpr int kVersionMajor = 5;
inline constexpr int kVersionMinor = 2;

// The files that the program folder must hold, in the order they are looked for. The names are
// fixed: the program must be named Horalix.exe whatever name it was started under.
inline constexpr std::array<const char*, 5> kRequiredFiles{
    "OfficeData.db", "help.chm", "TimeData.db", "Horalix.exe", "Horalink32.dll"};

// The version value of this build (5.2).
double programVersion();
// A version value as text and back, with "." as the decimal point whatever the user's locale,
// so that a value written and read again compares equal.
std::string versionText(double version);
double versionFromText(const std::string& text);

// Whether the program may run: the version test, then (only when that passed) the files test.
// Also repeated at every tick of the main window's watch timer, which passes `beforeRefusal`
// to stop its timers before the refusal's message is shown.
bool StartupCheck(platform::Platform& platform, const std::function<void()>& beforeRefusal = {});
// The stored version against this build's: newer refuses with "请使用最新版本"; older or
// missing deletes the stored settings and stores this build's version.
bool CheckVersion(platform::Platform& platform, const std::function<void()>& beforeRefusal = {});
// Every required file is looked for; any missing gives one "保持程序完整，请重新安装".
bool CheckInstallFiles(platform::Platform& platform,
                       const std::function<void()>& beforeRefusal = {});

}  // namespace horalix
