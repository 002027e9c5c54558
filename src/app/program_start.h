// The start of the program: one instance only, the program folder published for the add-in,
// the start-up check (stored version and required files), then the six windows that stay
// loaded for the life of the process.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace horalix {

class App;

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
double ProgramVersion();
// A version value as text and back, with "." as the decimal point whatever the user's locale,
// so that a value written and read again compares equal.
std::string VersionText(double version);
double VersionFromText(const std::string& text);

// The entry of the program. A second instance, or a failed start-up check, ends the process
// (App::ended()) without opening any window; otherwise the six windows are open and the program
// lives on in their messages and timers.
void Main(App& app);

// Registers the common-control classes; true when that raised no error.
bool InitControls(App& app);

// Whether the program may run: the version test, then (only when that passed) the files test.
// Also repeated at every tick of the main window's watch timer, which passes `beforeRefusal`
// to stop its timers before the refusal's message is shown.
bool StartupCheck(App& app, const std::function<void()>& beforeRefusal = {});
// The stored version against this build's: newer refuses with "请使用最新版本"; older or
// missing deletes the stored settings and stores this build's version.
bool CheckVersion(App& app, const std::function<void()>& beforeRefusal = {});
// Every required file is looked for; any missing gives one "保持程序完整，请重新安装".
bool CheckInstallFiles(App& app, const std::function<void()>& beforeRefusal = {});

}  // namespace horalix
