#include "platform/headless/headless_platform.h"

namespace horalix::platform {

HeadlessPlatform::HeadlessPlatform(const std::string& programFolder)
    : files_(programFolder), platform_{loop_,
                                       forms_,
                                       registry_,
                                       scriptingShell_,
                                       files_,
                                       database_,
                                       desktop_,
                                       tray_,
                                       hotKeys_,
                                       messageBoxes_,
                                       sound_,
                                       shell_,
                                       dialogs_,
                                       instance_,
                                       [this](const std::string& what) { loop_.logError("log", what); }} {}

}  // namespace horalix::platform
