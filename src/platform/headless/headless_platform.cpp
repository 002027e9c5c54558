#include "platform/headless/headless_platform.h"

namespace horalix::platform {

HeadlessPlatform::HeadlessPlatform(const std::string& programFolder)
    : files_(programFolder),
      platform_{.loop = loop_,
                .forms = forms_,
                .registry = registry_,
                .scriptingShell = scriptingShell_,
                .files = files_,
                .database = database_,
                .desktop = desktop_,
                .tray = tray_,
                .hotKeys = hotKeys_,
                .messageBoxes = messageBoxes_,
                .sound = sound_,
                .shell = shell_,
                .dialogs = dialogs_,
                .instance = instance_,
                .log = [this](const std::string& what) { logged_.push_back(what); },
                .fonts = fonts_,
                .automation = automation_} {
  forms_.useFonts(fonts_);
}

}  // namespace horalix::platform
