// The interaction settings window's sound picker and help link.
#include "interaction/interaction_needs.h"
#include "interaction/interaction_settings_window.h"
#include "services/file_import.h"
#include "services/window_utilities.h"

namespace horalix {

// The row's sound field shows the chosen file once it stands in the sounds folder; a cancelled
// dialog or a failed copy leaves the name that was there.
void InteractionSettingsWindow::Command1_Click(int Index) {
  if (Index < 0 || Index >= kPresets) return;
  if (const auto name = importSoundFile(needs_.platform))
    rowText(Index, RowField::Sound).setText(*name);
}

// The help viewer first, then the HTML help function, then the user is told; with Ctrl held the
// online article instead.
void InteractionSettingsWindow::Lab_help_Click(bool ctrlHeld) {
  if (ctrlHeld) {
    OpenWithShell(needs_.platform, kOnlineArticle);
    return;
  }
  openHelpPage(needs_.platform, "2.3、互动计时.htm", *this);
}

}  // namespace horalix
