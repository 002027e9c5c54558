#include "addin/program_launchers.h"

#include <array>

#include "addin/action_gate.h"
#include "services/file_names.h"
#include "services/value_store.h"

namespace horalix::addin {

namespace {

constexpr std::array<ProgramEntry, 4> kPrograms{{
    {ProgramKind::SettingsTool, "Morventa", "Quellrin.exe"},
    {ProgramKind::Clock, "Vantrel", "Horalix.exe"},
    {ProgramKind::MeetingTimer, "Tessavel", "Tessavel.exe"},
    {ProgramKind::DebateTimer, "Ombrique", "Ombrique.exe"},
}};

// The second line of the notice that a program runs already.
const char* runningHint(ProgramKind kind) {
  if (kind == ProgramKind::Clock) return "如果隐藏，请执行快捷键显示时钟";
  return "如果隐藏，可执行快捷键显示时钟";
}

}  // namespace

const ProgramEntry& program(ProgramKind kind) {
  return kPrograms[static_cast<std::size_t>(kind) - 1];
}

std::optional<std::string> programPath(AddinServices& services, ProgramKind kind) {
  const ProgramEntry& program = horalix::addin::program(kind);
  ValueStore store(services.scriptingShell, services.registry, program.key);
  // Through the registry functions the text keeps its terminating NUL: cut there, as the
  // shell's text is.
  std::string folder = store.readText("pathget");
  if (folder.empty()) return std::nullopt;
  if (folder.back() != '\\') folder += '\\';
  return folder + program.executable;
}

bool clockinstalled(AddinServices& services, ProgramKind kind) {
  const auto path = programPath(services, kind);
  return path && services.files.normalFileExists(*path);
}

void launchProgram(AddinServices& services, ProgramKind kind) {
  if (!ActionGate(services)) return;
  const auto path = programPath(services, kind);
  if (!path || !services.files.normalFileExists(*path)) return;
  if (IsFileInUse(services.files, *path)) {
    services.messageBoxes.show(std::string("时钟已运行！\r\r") + runningHint(kind) +
                                   "\r\r或在任务栏通知区域右键托盘显示时钟\r",
                               "Horalix", platform::mb::Ok);
    return;
  }
  if (services.shell.open(*path, "", "") <= 32) {
    services.shell.startProgram("\"" + *path + "\"", platform::Shell::Window::Hidden);
  }
}

}  // namespace horalix::addin
