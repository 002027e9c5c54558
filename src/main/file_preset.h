// The settings of an automatic run: the preset linked to the document, or the stored settings.
#pragma once

namespace horalix {

struct MainNeeds;

// Fills the settings record for the document the run is bound to: from the preset that
// a document link of OfficeData.db names, else (no link, a link to a preset that is gone, no
// database) from the registry. AImode always comes from the registry; shorter than 8
// characters it becomes "01111101".
void LoadFilePreset(MainNeeds& needs);

}  // namespace horalix
