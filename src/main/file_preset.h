// The settings of an automatic run: the preset linked to the document, or the stored settings.
#pragma once

#include <string>

namespace horalix {

namespace platform {
struct Platform;
}
struct SettingsBlock;

// Fills the settings record `settings` for `document`, the one the run is bound to: from the preset
// that a document link of OfficeData.db names, else (no link, a link to a preset that is gone, no
// database) from the registry. AImode always comes from the registry; shorter than 8
// characters it becomes "01111101".
void LoadFilePreset(platform::Platform& platform, SettingsBlock& settings,
                    const std::string& document);

}  // namespace horalix
